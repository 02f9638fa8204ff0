#include "TLumBelka.h"

#include "ParentFit.h"
#include "SkinCanvas.h"
#include "SmoothText.h"

#include <QPainter>

TLumBelka::TLumBelka(QWidget* parent) : QWidget(parent)
{
    resize(parent ? parent->width() : 1024, 50);
    new ParentFit(this, ParentFit::Top);
}

void TLumBelka::setLibrary(const ISkinImages* library) { m_library = library; update(); }
void TLumBelka::setPlec(QChar v) { m_plec = v; update(); }
void TLumBelka::setLudzikIndex(int v) { m_ludzikIndex = v; update(); }
void TLumBelka::setZalogowany(const QString& v) { m_zalogowany = v; update(); }
void TLumBelka::setPokazZalogowanie(bool v) { m_pokazZalogowanie = v; update(); }
void TLumBelka::setNowyStyl(bool v) { m_nowyStyl = v; update(); }
void TLumBelka::setTekstBelki(const QString& v) { m_tekstBelki = v; update(); }
void TLumBelka::setStylBelki(int v) { m_stylBelki = v; update(); }

void TLumBelka::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    SkinCanvas canvas(p, m_library, this);
    if (canvas.placeholderWithoutLibrary(rect()))
        return;
    const QFont small = SkinFont(QStringLiteral("Tahoma"), 8);
    const QFont large = SkinFont(QStringLiteral("Tahoma"), 12);
    const QString figure = QStringLiteral("BELKA_LUDZIK_%1_%2").arg(m_plec).arg(m_ludzikIndex);
    auto texts = [&](int x) {
        canvas.setFont(small, QColor(157, 157, 157));
        canvas.text(x, 8, m_tekstBelki);
        canvas.setFont(large, QColor(184, 184, 184));
        canvas.text(x, 20, m_zalogowany);
    };

    if (m_stylBelki == -1) {
        canvas.pictureInto(QStringLiteral("BELKA_BODY"), rect());
        if (!m_pokazZalogowanie)
            return;
        for (int x = 0; x <= 216; x += 4)
            canvas.pictureAt(QStringLiteral("BELKA_BODY2"), QPoint(x, 0));
        int w = canvas.pictureAt(QStringLiteral("BELKA_FALA"), QPoint(216, 0)).width();
        if (!m_plec.isNull())
            w = canvas.pictureAt(figure, QPoint(15, 5)).width();
        texts(w + 19);
    } else if (m_stylBelki >= 0 && m_stylBelki <= 5) {
        const QString body = m_nowyStyl ? QStringLiteral("BELKA_BODY_NEW_STYLE_%1") : QStringLiteral("BELKA_BODY_STYLE_%1");
        int w = canvas.pictureAt(body.arg(m_stylBelki), QPoint(0, 0)).width();
        if (m_nowyStyl) {
            if (!m_plec.isNull())
                w = canvas.pictureAt(figure, QPoint(115, 5)).width();
            texts(w + 119);
        }
    }
}
