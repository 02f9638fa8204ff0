#include "TLumProgress.h"

#include "ControlGeometry.h"
#include "SkinCanvas.h"
#include "SmoothText.h"

#include <QPainter>

TLumProgress::TLumProgress(QWidget* parent) : QWidget(parent)
{
    setFixedSize(259, 90);
}

void TLumProgress::setLibrary(const ISkinImages* library) { m_library = library; update(); }
void TLumProgress::setTekst(const QString& v) { m_tekst = v; update(); }

void TLumProgress::setWynik(int v)
{
    if (v < 0 || v > 100)
        return;
    m_wynik = v;
    update();
}

void TLumProgress::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    SkinCanvas c(p, m_library, this);
    if (c.placeholderWithoutLibrary(rect()))
        return;
    c.pictureAt(QStringLiteral("WYKRES_BG"), {0, 0});
    c.setFont(SkinFont(QStringLiteral("Trebuchet MS"), 12), QColor(6, 53, 99));
    c.text(17, 23, m_tekst);
    c.pictureAt(ChartPictureName(m_wynik), {113, 2});
    c.setFont(SkinFont(QStringLiteral("Trebuchet MS"), 18, true), QColor(0, 154, 43));
    c.text(185, 17, QString::number(m_wynik) + u'%');
}
