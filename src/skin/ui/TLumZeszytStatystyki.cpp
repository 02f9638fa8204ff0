#include "TLumZeszytStatystyki.h"

#include "ControlGeometry.h"
#include "SkinCanvas.h"
#include "SmoothText.h"

#include <QPainter>

TLumZeszytStatystyki::TLumZeszytStatystyki(QWidget* parent) : QWidget(parent)
{
    resize(155, 200);
}

void TLumZeszytStatystyki::setLibrary(const ISkinImages* library) { m_library = library; update(); }
void TLumZeszytStatystyki::setShowPowtorki(bool v) { m_showPowtorki = v; update(); }
void TLumZeszytStatystyki::setPoprawnie(int v) { m_poprawnie = v; update(); }
void TLumZeszytStatystyki::setBlednie(int v) { m_blednie = v; update(); }
void TLumZeszytStatystyki::setXFactor(int v) { m_xFactor = v; update(); }
void TLumZeszytStatystyki::setPowtorki(int v) { m_powtorki = v; update(); }
void TLumZeszytStatystyki::setOstataniaPowtorka(const QString& v) { m_ostatniaPowtorka = v; update(); }
void TLumZeszytStatystyki::setTextPoprawnie(const QString& v) { m_textPoprawnie = v; update(); }
void TLumZeszytStatystyki::setTextBlednie(const QString& v) { m_textBlednie = v; update(); }
void TLumZeszytStatystyki::setTextOgolnie(const QString& v) { m_textOgolnie = v; update(); }
void TLumZeszytStatystyki::setTextZdanie(const QString& v) { m_textZdanie = v; update(); }
void TLumZeszytStatystyki::setTextStatystyka(const QString& v) { m_textStatystyka = v; update(); }

void TLumZeszytStatystyki::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    SkinCanvas c(p, m_library, this);
    const QColor ink(78, 85, 0);
    const QString tahoma = QStringLiteral("Tahoma");
    c.setFont(SkinFont(tahoma, 7, true), ink);
    c.text(18, 5, m_textStatystyka);
    c.setFont(SkinFont(tahoma, 9, true), ink);
    c.text(77, 34, m_textPoprawnie);
    c.text(77, 67, m_textBlednie);
    c.text(77, 95, m_textOgolnie);
    c.text(34, 123, m_textZdanie);
    if (m_showPowtorki) {
        c.text(17, 140, QStringLiteral("Liczba powtórek: %1").arg(m_powtorki));
        c.text(14, 163, QStringLiteral(" Ostatnia powtórka:"));
        c.text(17, 176, m_ostatniaPowtorka);
    }
    c.setFont(SkinFont(tahoma, 14), ink);
    const std::pair<int, int> counts[] = {{m_poprawnie, 33}, {m_blednie, 62}, {m_xFactor, 91}};
    for (const auto& [value, y] : counts) {
        if (const auto x = NotebookNumberX(value))
            c.text(*x, y, QString::number(value));
    }
    if (!c.hasLibrary())
        return;
    c.pictureAt(QStringLiteral("ZESZYT_SEP"), {0, 20});
    c.pictureAt(QStringLiteral("ZESZYT_OK"), {51, 34});
    c.pictureAt(QStringLiteral("ZESZYT_BAD"), {51, 64});
    c.pictureAt(QStringLiteral("ZESZYT_XFA"), {51, 94});
}
