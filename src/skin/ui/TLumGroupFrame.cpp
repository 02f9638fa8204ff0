#include "TLumGroupFrame.h"

#include "SkinCanvas.h"
#include "SmoothText.h"

#include <QPainter>

TLumGroupFrame::TLumGroupFrame(QWidget* parent) : QWidget(parent)
{
    resize(185, 105);
}

void TLumGroupFrame::setLibrary(const ISkinImages* library) { m_library = library; update(); }
void TLumGroupFrame::setCaption(const QString& v) { m_caption = v; update(); }
void TLumGroupFrame::setCaptionPositionX(int v) { m_captionX = v; update(); }
void TLumGroupFrame::setCaptionPositionY(int v) { m_captionY = v; update(); }
void TLumGroupFrame::setShowCaption(bool v) { m_showCaption = v; update(); }
void TLumGroupFrame::setFontColor(const QColor& c) { m_fontColor = c; update(); }

void TLumGroupFrame::setFrameType(TFrameType v)
{
    m_frameType = v;
    fitPuzzleHeight();
    update();
}

void TLumGroupFrame::setPuzzleWiersze(int v)
{
    m_wiersze = std::max(1, v);
    fitPuzzleHeight();
    update();
}

void TLumGroupFrame::setPuzzleKolumny(int v)
{
    m_kolumny = std::max(1, v);
    update();
}

void TLumGroupFrame::fitPuzzleHeight()
{
    if (m_frameType == TFrameType::ftPuzzle)
        resize(width(), 40 * m_wiersze + 80);
}

void TLumGroupFrame::paintNinePieces(SkinCanvas& c, const QString& set, int cw, int th, int bh)
{
    const int W = width(), H = height();
    auto n = [&](int piece) { return QStringLiteral("%1_0%2").arg(set).arg(piece); };
    c.pictureAt(n(1), {0, 0});
    c.pictureInto(n(2), Ltrb(cw, 0, W - cw, th));
    c.pictureAt(n(3), {W - cw, 0});
    c.pictureInto(n(4), Ltrb(0, th, cw, H - bh));
    c.pictureInto(n(5), Ltrb(cw, th, W - cw, H - bh));
    c.pictureInto(n(6), Ltrb(W - cw, th, W, H - bh));
    c.pictureAt(n(7), {0, H - bh});
    c.pictureInto(n(8), Ltrb(cw, H - bh, W - cw, H));
    c.pictureAt(n(9), {W - cw, H - bh});
}

// The puzzle board: a 40-pixel border around `PuzzleKolumny` × `PuzzleWiersze`
// cells 40 pixels high. Each band (top, rows, bottom) is stretched cell by cell
// from its left (_L), middle (_S) and right (_R) pieces, and the top band and
// the rows carry a divider (_D) between two columns.
void TLumGroupFrame::paintPuzzle(SkinCanvas& c)
{
    const int W = width(), H = height(), b = 40;
    const int cols = m_kolumny, cellW = std::max(1, (W - 2 * b) / cols);
    auto band = [&](const QString& base, int top, int bottom, bool dividers) {
        for (int k = 0; k < cols; ++k) {
            const int left = b + k * cellW;
            const int right = k == cols - 1 ? W - b : left + cellW;
            const char* part = cols == 1 ? "_S" : k == 0 ? "_L" : k == cols - 1 ? "_R" : "_S";
            c.pictureInto(base + QLatin1String(part), Ltrb(left, top, right, bottom));
        }
        if (!dividers)
            return;
        for (int k = 1; k < cols; ++k) {
            const QImage d = c.fetch(base + QStringLiteral("_D"));
            c.drawFetched(base + QStringLiteral("_D"), d, QPoint(b + k * cellW - d.width() / 2, top));
        }
    };
    c.pictureAt(QStringLiteral("RAMKA4_01"), {0, 0});
    band(QStringLiteral("RAMKA4_02"), 0, b, true);
    c.pictureAt(QStringLiteral("RAMKA4_03"), {W - b, 0});
    for (int r = 0; r < m_wiersze; ++r) {
        const int top = b + r * 40;
        c.pictureInto(QStringLiteral("RAMKA4_04"), Ltrb(0, top, b, top + 40));
        band(QStringLiteral("RAMKA4_05"), top, top + 40, true);
        c.pictureInto(QStringLiteral("RAMKA4_06"), Ltrb(W - b, top, W, top + 40));
    }
    c.pictureAt(QStringLiteral("RAMKA4_07"), {0, H - b});
    band(QStringLiteral("RAMKA4_08"), H - b, H, false);
    c.pictureAt(QStringLiteral("RAMKA4_09"), {W - b, H - b});
}

void TLumGroupFrame::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    SkinCanvas c(p, m_library, this);
    if (c.placeholderWithoutLibrary(rect()))
        return;
    switch (m_frameType) {
    case TFrameType::ftFrame_Blue: paintNinePieces(c, QStringLiteral("RAMKA1"), 10, 10, 10); break;
    case TFrameType::ftFrame_White: paintNinePieces(c, QStringLiteral("RAMKA6"), 7, 7, 7); break;
    case TFrameType::ftBackground: paintNinePieces(c, QStringLiteral("RAMKA2"), 9, 9, 9); break;
    case TFrameType::ftTablica: paintNinePieces(c, QStringLiteral("RAMKA3"), 40, 20, 35); break;
    case TFrameType::ftPuzzle: paintPuzzle(c); break;
    }
    if (m_showCaption) {
        c.setFont(font(), m_fontColor);
        c.text(m_captionX, m_captionY, m_caption);
    }
}
