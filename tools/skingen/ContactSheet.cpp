#include "ContactSheet.h"

#include "SkinPictureNames.h"
#include "SkinStyle.h"

#include <QFileInfo>
#include <QFont>
#include <QFontMetrics>
#include <QHash>
#include <QImageWriter>

namespace {

// The pictures of a skin folder, by name.
class Pictures {
public:
    explicit Pictures(const QString& dir) : m_dir(dir) {}
    QImage operator()(const QString& name) const
    {
        auto it = m_cache.constFind(name);
        if (it == m_cache.constEnd())
            it = m_cache.insert(name, QImage(m_dir + u'/' + name + QStringLiteral(".png")));
        return *it;
    }

private:
    QString m_dir;
    mutable QHash<QString, QImage> m_cache;
};

QFont font(int pixels, bool bold = false, const char* family = "Tahoma")
{
    QFont f(QString::fromLatin1(family));
    f.setPixelSize(pixels);
    f.setBold(bold);
    return f;
}

void text(QPainter& p, int x, int y, const QString& s, const QColor& c, const QFont& f)
{
    p.setFont(f);
    p.setPen(c);
    p.drawText(QPoint(x, y + QFontMetrics(f).ascent()), s);
}

// A button face the way the skinned button draws it: three pieces, or nine.
void button(QPainter& p, const Pictures& pic, const QRect& r, int face, char state, bool nine, const QString& caption,
            const QColor& ink)
{
    const QString s = QStringLiteral("_%1").arg(QLatin1Char(state));
    const SkinFaceSet* set = nullptr;
    for (const SkinFaceSet& f : SkinFaceSets())
        if (f.index == face)
            set = &f;
    const int c = set->corner(), m = set->middle(), w = r.width(), h = r.height();
    p.save();
    p.translate(r.topLeft());
    auto g = [&](int piece, const char* kind) { return pic(QStringLiteral("G0%1%2%3_%4").arg(piece).arg(s, QLatin1String(kind)).arg(face)); };
    if (nine) {
        p.drawImage(0, 0, g(1, "_9"));
        p.drawImage(QRect(c, 0, w - 2 * c, c), g(2, "_9"));
        p.drawImage(w - c, 0, g(3, "_9"));
        p.drawImage(0, c, g(4, "_9"));
        p.drawImage(QRect(c, c, w - 2 * c, m), g(5, "_9"));
        p.drawImage(w - c, c, g(6, "_9"));
        p.drawImage(0, m + c, g(7, "_9"));
        p.drawImage(QRect(c, m + c, w - 2 * c, c), g(8, "_9"));
        p.drawImage(w - c, m + c, g(9, "_9"));
    } else {
        p.drawImage(0, 0, g(1, "_3"));
        p.drawImage(QRect(c, 0, w - 2 * c, h), g(2, "_3"));
        p.drawImage(w - c, 0, g(3, "_3"));
    }
    const QFont f = font(h >= 50 ? 16 : 12, h >= 50);
    const int tw = QFontMetrics(f).horizontalAdvance(caption);
    text(p, w / 2 - tw / 2, h / 2 - QFontMetrics(f).height() / 2, caption, state == 'D' ? QColor(192, 192, 192) : ink, f);
    p.restore();
}

// A nine-piece frame with corners `cw` × `top` and `cw` × `bottom`.
void frame(QPainter& p, const Pictures& pic, const QString& set, const QRect& r, int cw, int top, int bottom)
{
    auto f = [&](int n) { return pic(QStringLiteral("%1_0%2").arg(set).arg(n)); };
    const int w = r.width(), h = r.height();
    p.save();
    p.translate(r.topLeft());
    p.drawImage(0, 0, f(1));
    p.drawImage(QRect(cw, 0, w - 2 * cw, top), f(2));
    p.drawImage(w - cw, 0, f(3));
    p.drawImage(QRect(0, top, cw, h - top - bottom), f(4));
    p.drawImage(QRect(cw, top, w - 2 * cw, h - top - bottom), f(5));
    p.drawImage(QRect(w - cw, top, cw, h - top - bottom), f(6));
    p.drawImage(0, h - bottom, f(7));
    p.drawImage(QRect(cw, h - bottom, w - 2 * cw, bottom), f(8));
    p.drawImage(w - cw, h - bottom, f(9));
    p.restore();
}

// A dialog window as the dialog frame draws it, with a 40-pixel bar.
void dialog(QPainter& p, const Pictures& pic, const QRect& r, bool blue, const QString& caption, int icon)
{
    const QString s = blue ? QStringLiteral("_B") : QStringLiteral("_W");
    auto d = [&](const QString& n) { return pic(n + s); };
    const QImage c1 = pic("DIAL01_B"), c3 = pic("DIAL03_B"), c7 = pic("DIAL07_B"), c9 = pic("DIAL09_B");
    const int w1 = c1.width(), h1 = c1.height(), w3 = c3.width(), h3 = c3.height(), h7 = c7.height(), w7 = c7.width();
    const int w9 = c9.width(), h9 = c9.height();
    const int W = r.width(), H = r.height();
    p.save();
    p.translate(r.topLeft());
    p.drawImage(0, 0, d("DIAL01"));
    p.drawImage(QRect(w1, 0, W - w3 - w1, h1), d("DIAL02"));
    p.drawImage(W - w3, 0, d("DIAL03"));
    p.drawImage(QRect(0, h1, w1, H - h7 - h1), d("DIAL04"));
    p.drawImage(QRect(w1, h1, W - w3 - w1, H - h7 - h1), d("DIAL05"));
    p.drawImage(QRect(W - w3, h3, w3, H - h7 - h3), d("DIAL06"));
    p.drawImage(0, H - h7, d("DIAL07"));
    p.drawImage(QRect(w7, H - h7, W - w9 - w7, h7), d("DIAL08"));
    p.drawImage(W - w9, H - h9, d("DIAL09"));
    const int b = 39;
    p.drawImage(QRect(w1, h1, W - w3 - w1, b), d("DIAL_BELKA"));
    int x = w1 + 17;
    if (icon >= 0) {
        const QImage ico = pic(QStringLiteral("DIAL_ICO_%1").arg(icon));
        p.drawImage(x, (w1 + b) / 2 + 2 - ico.height() / 2, ico);
        x += ico.width() + 14;
    }
    const QFont f = font(16);
    text(p, x, b / 2 - QFontMetrics(f).height() / 2, caption, blue ? QColor(2, 173, 228) : QColor(79, 79, 79), f);
    p.restore();
}

void titleBar(QPainter& p, const Pictures& pic, int y)
{
    p.save();
    p.translate(0, y);
    p.drawImage(QRect(0, 0, 1024, 50), pic("BELKA_BODY"));
    for (int i = 0; i < 55; ++i)
        p.drawImage(4 * i, 0, pic("BELKA_BODY2"));
    p.drawImage(216, 0, pic("BELKA_FALA"));
    const QImage figure = pic("BELKA_LUDZIK_K_13");
    p.drawImage(15, 5, figure);
    text(p, figure.width() + 19, 8, QStringLiteral("Jesteś zalogowany jako:"), QColor(157, 157, 157), font(11));
    text(p, figure.width() + 19, 20, QStringLiteral("Ala"), QColor(184, 184, 184), font(16, true));
    // Title-bar buttons: "Wróć" normal (no face), "Słownik" hot, "Pomoc" pressed.
    const struct {
        int x, w;
        char state;
        const char* caption;
    } buttons[] = {{330, 170, 'N', "Wróć"}, {630, 170, 'H', "Słownik"}, {810, 120, 'P', "Pomoc"}};
    for (const auto& b : buttons) {
        const QString s = QStringLiteral("_%1").arg(QLatin1Char(b.state));
        if (b.state != 'N') {
            p.drawImage(b.x, 0, pic("BB01" + s));
            p.drawImage(QRect(b.x + 4, 0, b.w - 8, 48), pic("BB02" + s));
            p.drawImage(b.x + b.w - 4, 0, pic("BB03" + s));
        }
        const QFont f = font(14, true);
        text(p, b.x + b.w / 2 - QFontMetrics(f).horizontalAdvance(QString::fromUtf8(b.caption)) / 2, 15,
             QString::fromUtf8(b.caption), Qt::white, f);
    }
    p.restore();
}

QImage windowBackground(int w, int h)
{
    QImage img(w, h, QImage::Format_ARGB32_Premultiplied);
    QPainter p(&img);
    QLinearGradient g(0, 0, 0, h);
    g.setColorAt(0, QColor(214, 228, 243));
    g.setColorAt(1, QColor(243, 248, 253));
    p.fillRect(img.rect(), g);
    return img;
}

QImage chromeSheet(const Pictures& pic)
{
    QImage img = windowBackground(1024, 1010);
    QPainter p(&img);
    art::prepare(p);
    titleBar(p, pic, 0);

    // A question in the message box, over a dimmed window.
    const QRect box(20, 70, 423, 226);
    dialog(p, pic, box, true, QStringLiteral("Pytanie"), 4);
    p.drawImage(box.left() + 11, box.top() + 58, pic("MSG_ICON_QUESTION"));
    p.setFont(font(16));
    p.setPen(Qt::white);
    p.drawText(QRect(box.left() + 93, box.top() + 65, 305, 109), Qt::TextWordWrap,
               QStringLiteral("Czy na pewno chcesz zakończyć pracę z programem?"));
    button(p, pic, QRect(box.left() + 193, box.top() + 182, 100, 32), 2, 'H', false, QStringLiteral("Tak"), Qt::white);
    button(p, pic, QRect(box.left() + 300, box.top() + 182, 100, 32), 2, 'N', false, QStringLiteral("Nie"), Qt::white);

    // A white dialog with a white group frame and buttons.
    const QRect white(470, 70, 520, 226);
    dialog(p, pic, white, false, QStringLiteral("Ustawienia"), 2);
    frame(p, pic, "RAMKA6", QRect(white.left() + 20, white.top() + 60, 480, 100), 7, 7, 7);
    text(p, white.left() + 36, white.top() + 72, QStringLiteral("Język interfejsu: polski"), QColor(60, 60, 60), font(13));
    for (int i = 0; i < 6; ++i)
        p.drawImage(white.left() + 36 + 20 * i, white.top() + 100, pic(QStringLiteral("COLOR%1").arg(i + 1)));
    button(p, pic, QRect(white.left() + 219 + 80, white.top() + 182, 100, 32), 1, 'N', false, QStringLiteral("Zapisz"), Qt::white);
    button(p, pic, QRect(white.left() + 325 + 80, white.top() + 182, 100, 32), 1, 'D', false, QStringLiteral("Anuluj"), Qt::white);

    // Every face set in every state, three-piece and nine-piece.
    int y = 320;
    for (const char st : {'N', 'H', 'P', 'D'})
        text(p, 100 + (st == 'N' ? 0 : st == 'H' ? 1 : st == 'P' ? 2 : 3) * 230, y - 18,
             QStringLiteral("_%1  (three-piece | nine-piece)").arg(QLatin1Char(st)), QColor(40, 60, 90), font(11));
    for (const SkinFaceSet& set : SkinFaceSets()) {
        if (set.height > 64)
            continue;
        text(p, 20, y + set.height / 2 - 7, QStringLiteral("face %1").arg(set.index), QColor(40, 60, 90), font(11));
        int x = 100;
        for (const char st : {'N', 'H', 'P', 'D'}) {
            const QColor ink = set.index == 7 ? QColor(52, 52, 52) : Qt::white;
            button(p, pic, QRect(x, y, 105, set.height), set.index, st, false, QStringLiteral("Sprawdź"), ink);
            button(p, pic, QRect(x + 112, y, 105, set.height), set.index, st, true, QStringLiteral("Dalej"), ink);
            x += 230;
        }
        y += set.height + 8;
    }
    // The language choice: face 6 with the arrow.
    button(p, pic, QRect(20, y + 4, 240, 70), 6, 'N', false, QStringLiteral("English"), Qt::white);
    p.drawImage(20 + 200, y + 4, pic("BLUE_ARROW"));
    button(p, pic, QRect(280, y + 4, 140, 80), 8, 'H', true, QStringLiteral("80"), Qt::white);
    button(p, pic, QRect(440, y + 4, 160, 100), 9, 'N', true, QStringLiteral("100"), Qt::white);

    // Tabs, numbered exercise tabs, package navigation.
    int tx = 630;
    for (const char st : {'N', 'H', 'P', 'D'}) {
        const QString s = QStringLiteral("_%1").arg(QLatin1Char(st));
        p.drawImage(tx, y + 4, pic("TAB" + s + "_01"));
        p.drawImage(QRect(tx + 11, y + 4, 70 - 22, 23), pic("TAB" + s + "_02"));
        p.drawImage(tx + 70 - 11, y + 4, pic("TAB" + s + "_03"));
        text(p, tx + 18, y + 8, QStringLiteral("Tab"), QColor(40, 60, 90), font(12));
        tx += 72;
    }
    for (int i = 0; i < 6; ++i) {
        const char st = i == 2 ? 'D' : i == 4 ? 'H' : 'N';
        p.drawImage(630 + 55 * i, y + 36, pic(QStringLiteral("TAB_SELKO_%1").arg(QLatin1Char(st))));
        const QFont f = font(17, true);
        const QString n = QString::number(i + 1);
        text(p, 630 + 55 * i + 29 - QFontMetrics(f).horizontalAdvance(n) / 2, y + 36 + 21 - 5 - QFontMetrics(f).height() / 2,
             n, st == 'D' ? QColor(192, 192, 192) : QColor(30, 70, 120), f);
    }
    int nx = 630;
    for (const char* which : {"PREV", "ZAWARTOSC", "NEXT"}) {
        for (const char st : {'N', 'H', 'P', 'D'}) {
            p.drawImage(nx, y + 86, pic(QStringLiteral("PACZKA_NAVI_%1_%2").arg(QLatin1String(which)).arg(QLatin1Char(st))));
            nx += 30;
        }
    }
    for (int t = 1; t <= 6; ++t)
        p.drawImage(630 + 60 * (t - 1), y + 124, pic(QStringLiteral("TAB_SELKO_%1_%2").arg(QLatin1Char(t == 3 ? 'D' : 'N')).arg(t)));
    return img;
}

QImage panelSheet(const Pictures& pic)
{
    QImage img = windowBackground(1080, 1130);
    QPainter p(&img);
    art::prepare(p);

    frame(p, pic, "RAMKA1", QRect(20, 20, 300, 120), 10, 10, 10);
    text(p, 40, 24, QStringLiteral("Ramka niebieska"), QColor(30, 70, 120), font(13, true));
    frame(p, pic, "RAMKA6", QRect(340, 20, 300, 120), 7, 7, 7);
    text(p, 360, 24, QStringLiteral("Ramka biała"), QColor(79, 79, 79), font(13, true));
    frame(p, pic, "RAMKA2", QRect(660, 20, 340, 120), 9, 9, 9);
    frame(p, pic, "RAMKA3", QRect(20, 160, 420, 200), 40, 20, 35);

    // Puzzle board: 5 columns, 2 rows.
    {
        const int x0 = 460, y0 = 160;
        auto tile = [&](int col, int row, const QString& n) { p.drawImage(x0 + 40 * col, y0 + 40 * row, pic("RAMKA4_" + n)); };
        const char* top[] = {"02_L", "02_S", "02_D", "02_R"};
        const char* mid[] = {"05_L", "05_S", "05_D", "05_R"};
        const char* bottom[] = {"08_L", "08_S", "08_S", "08_R"};
        tile(0, 0, "01");
        tile(5, 0, "03");
        tile(0, 3, "07");
        tile(5, 3, "09");
        for (int c = 0; c < 4; ++c) {
            tile(c + 1, 0, QString::fromLatin1(top[c]));
            tile(c + 1, 1, QString::fromLatin1(mid[c]));
            tile(c + 1, 2, QString::fromLatin1(mid[(c + 1) % 4]));
            tile(c + 1, 3, QString::fromLatin1(bottom[c]));
        }
        tile(0, 1, "04");
        tile(0, 2, "04");
        tile(5, 1, "06");
        tile(5, 2, "06");
    }

    // Result panels.
    for (int i = 0; i < 3; ++i) {
        const int result[] = {75, 100, 4};
        const int x = 20 + 275 * i, y = 380;
        p.drawImage(x, y, pic("WYKRES_BG"));
        text(p, x + 17, y + 23, QStringLiteral("Twój wynik:"), QColor(6, 53, 99), font(16, false, "Trebuchet MS"));
        const int r = result[i];
        const QString chart = r == 0 ? "WYKRES_00" : r < 10 ? "WYKRES_05" : r >= 100 ? "WYKRES_100" : QStringLiteral("WYKRES_%1").arg(r / 5 * 5);
        p.drawImage(x + 113, y + 2, pic(chart));
        text(p, x + 185, y + 17, QStringLiteral("%1%").arg(r), QColor(0, 154, 43), font(24, true, "Trebuchet MS"));
    }
    for (int v = 0; v <= 100; v += 5) {
        const int i = v / 5;
        p.drawImage(20 + 72 * (i % 11) + 36 * (i / 11), 480 + 76 * (i / 11),
                    pic(v == 100 ? QStringLiteral("WYKRES_100") : QStringLiteral("WYKRES_%1").arg(v, 2, 10, QLatin1Char('0'))));
    }

    // The statistics notebook on a paper card.
    {
        const QRect card(20, 650, 155, 200);
        p.fillRect(card, QColor(255, 253, 240));
        p.setPen(QColor(220, 214, 180));
        p.drawRect(card.adjusted(0, 0, -1, -1));
        p.save();
        p.translate(card.topLeft());
        text(p, 18, 5, QStringLiteral(" STATYSTYKA"), QColor(78, 85, 0), font(10, true));
        p.drawImage(0, 20, pic("ZESZYT_SEP"));
        p.drawImage(51, 34, pic("ZESZYT_OK"));
        p.drawImage(51, 64, pic("ZESZYT_BAD"));
        p.drawImage(51, 94, pic("ZESZYT_XFA"));
        text(p, 25, 33, "12", QColor(78, 85, 0), font(18));
        text(p, 34, 62, "3", QColor(78, 85, 0), font(18));
        text(p, 25, 91, "15", QColor(78, 85, 0), font(18));
        text(p, 77, 34, QStringLiteral("poprawnie"), QColor(78, 85, 0), font(12, true));
        text(p, 77, 67, QStringLiteral("błędnie"), QColor(78, 85, 0), font(12, true));
        text(p, 77, 95, QStringLiteral("ogólnie"), QColor(78, 85, 0), font(12, true));
        p.restore();
    }

    // A speech bubble pointing at (724, 356).
    {
        const int height = 44 + 18, left = 724 - 4, top = 356 - height - 4;
        p.drawImage(left, top, pic("DYMEK_01"));
        p.drawImage(QRect(left, top + 5, 332, 44 - 5), pic("DYMEK_02"));
        p.drawImage(left, top + 44, pic("DYMEK_03"));
        p.setFont(font(13));
        p.setPen(QColor(30, 40, 60));
        p.drawText(QRect(left + 8, top + 5, 332 - 16, 42), Qt::TextWordWrap,
                   QStringLiteral("The weather was lovely. – Pogoda była piękna, więc poszliśmy na spacer."));
        QPainterPath dot;
        dot.addEllipse(QPointF(724, 356), 2, 2);
        p.fillPath(dot, art::colour::Red);
    }

    // Three-pictures frames around a picture, at half size: styles across, states down.
    for (int style = 1; style <= 3; ++style) {
        int row = 0;
        for (const char st : {'H', 'D', 'Z'}) {
            QImage f = art::canvas(248, 296);
            {
                QPainter fp(&f);
                fp.fillRect(QRect(14, 30, 220, 236), QColor(180, 205, 230));
                fp.fillRect(QRect(14, 150, 220, 116), QColor(120, 170, 110));
                const QString base = QStringLiteral("RAMKA5_%1%2").arg(style).arg(QLatin1Char(st));
                const QImage side2 = pic(base + "2"), bottom = pic(base + "4");
                fp.drawImage(0, 24, pic(base + "1"));
                fp.drawImage(248 - side2.width(), 24, side2);
                fp.drawImage(0, 0, pic(base + "3"));
                fp.drawImage(0, 296 - bottom.height(), bottom);
            }
            p.drawImage(QRect(580 + (style - 1) * 140, 650 + row * 156, 124, 148), f);
            ++row;
        }
    }

    // Figures, small title-bar figures, icons, swatches.
    int x = 200, y = 650;
    for (const char* g : {"K", "M"})
        for (int style : {10, 20}) {
            for (int c = 1; c <= 6; ++c) {
                p.drawImage(x, y, pic(QStringLiteral("C%1%2").arg(QLatin1String(g)).arg(style + c)));
                x += 58;
            }
            x = 200;
            y += 62;
        }
    for (const char* g : {"K", "M"})
        for (int style : {10, 20})
            for (int c = 1; c <= 6; ++c) {
                p.fillRect(QRect(x - 2, y - 2, 40, 44), QColor(19, 40, 67));
                p.drawImage(x, y, pic(QStringLiteral("BELKA_LUDZIK_%1_%2").arg(QLatin1String(g)).arg(style + c)));
                x += 40;
                if (x > 520) {
                    x = 200;
                    y += 46;
                }
            }
    x = 20;
    y = 1050;
    for (const char* icon : {"ERROR", "QUESTION", "INFORMATION", "EXCLAMATION"}) {
        p.fillRect(QRect(x - 4, y - 4, 72, 72), QColor(24, 78, 140));
        p.drawImage(x, y, pic(QStringLiteral("MSG_ICON_") + QLatin1String(icon)));
        x += 80;
    }
    for (int i : SkinDialogIcons()) {
        p.fillRect(QRect(x - 4, y - 4, 32, 32), QColor(12, 40, 72));
        p.drawImage(x, y, pic(QStringLiteral("DIAL_ICO_%1").arg(i)));
        x += 36;
    }
    return img;
}

// Every picture of the table at its own size, with its name, on a checkerboard.
QImage allPictures(const Pictures& pic)
{
    const int width = 1600;
    const QFont label = font(9);
    // Layout first, to know the height.
    struct Item {
        QString name;
        QRect at;
    };
    std::vector<Item> items;
    int x = 8, y = 8, rowH = 0;
    for (const QString& name : AllSkinPictureNames()) {
        const QImage im = pic(name);
        const int w = std::max(im.width(), QFontMetrics(label).horizontalAdvance(name)) + 8;
        const int h = im.height() + 14;
        if (x + w > width) {
            x = 8;
            y += rowH + 6;
            rowH = 0;
        }
        items.push_back({name, QRect(x, y, w, h)});
        x += w + 4;
        rowH = std::max(rowH, h);
    }
    QImage img(width, y + rowH + 8, QImage::Format_ARGB32_Premultiplied);
    QPainter p(&img);
    for (int cy = 0; cy < img.height(); cy += 8)
        for (int cx = 0; cx < width; cx += 8)
            p.fillRect(cx, cy, 8, 8, ((cx + cy) / 8) % 2 ? QColor(196, 200, 206) : QColor(222, 225, 229));
    for (const Item& it : items) {
        p.drawImage(it.at.topLeft(), pic(it.name));
        text(p, it.at.left(), it.at.top() + pic(it.name).height() + 1, it.name, QColor(20, 30, 50), label);
    }
    return img;
}

Status save(const QImage& img, const QString& path)
{
    QImageWriter w(path, "png");
    if (!w.write(img))
        return Failure::error(QStringLiteral("cannot write %1: %2").arg(path, w.errorString()), path);
    return {};
}

} // namespace

Status WriteContactSheets(const QString& skinDir, const QString& prefix)
{
    const Pictures pic(skinDir);
    for (const QString& name : AllSkinPictureNames())
        if (pic(name).isNull())
            return Failure::error(QStringLiteral("%1 has no picture %2").arg(skinDir, name), skinDir);
    if (Status s = save(chromeSheet(pic), prefix + QStringLiteral("-chrome.png")); !s.ok())
        return s;
    if (Status s = save(panelSheet(pic), prefix + QStringLiteral("-panels.png")); !s.ok())
        return s;
    return save(allPictures(pic), prefix + QStringLiteral("-all.png"));
}
