#include "SkinPictureNames.h"

const std::vector<SkinFaceSet>& SkinFaceSets()
{
    static const std::vector<SkinFaceSet> sets = {
        {1, 32}, {2, 32}, {3, 50}, {4, 22}, {5, 64}, {6, 70}, {7, 22}, {8, 80}, {9, 100}, {10, 32},
    };
    return sets;
}

const QStringList& SkinStateSuffixes()
{
    static const QStringList s = {QStringLiteral("_N"), QStringLiteral("_H"), QStringLiteral("_P"), QStringLiteral("_D")};
    return s;
}

const std::vector<int>& SkinTabTags()
{
    static const std::vector<int> tags = {1, 2, 3, 4, 5, 6};
    return tags;
}

const std::vector<int>& SkinDialogIcons()
{
    static const std::vector<int> icons = {0, 1, 2, 3, 4, 5};
    return icons;
}

static QString two(int n)
{
    return QStringLiteral("%1").arg(n, 2, 10, QLatin1Char('0'));
}

QStringList AllSkinPictureNames()
{
    QStringList n;
    const QStringList& states = SkinStateSuffixes();

    // Button faces: nine-piece and three-piece, per face set.
    for (const SkinFaceSet& f : SkinFaceSets())
        for (const QString& s : states)
            for (int piece = 1; piece <= 9; ++piece)
                n << QStringLiteral("G0%1%2_9_%3").arg(piece).arg(s).arg(f.index);
    for (const SkinFaceSet& f : SkinFaceSets())
        for (const QString& s : states)
            for (int piece = 1; piece <= 3; ++piece)
                n << QStringLiteral("G0%1%2_3_%3").arg(piece).arg(s).arg(f.index);
    for (const QString& s : states)
        for (int piece = 1; piece <= 3; ++piece)
            n << QStringLiteral("BB0%1%2").arg(piece).arg(s);
    for (const QString& s : states)
        for (int piece = 1; piece <= 3; ++piece)
            n << QStringLiteral("TAB%1_0%2").arg(s).arg(piece);
    for (const QString& s : states) {
        n << QStringLiteral("TAB_SELKO") + s;
        for (int tag : SkinTabTags())
            n << QStringLiteral("TAB_SELKO%1_%2").arg(s).arg(tag);
        for (const char* navi : {"PREV", "NEXT", "ZAWARTOSC"})
            n << QStringLiteral("PACZKA_NAVI_") + QLatin1String(navi) + s;
    }
    n << QStringLiteral("BLUE_ARROW");

    // Title bar.
    n << QStringLiteral("BELKA_BODY") << QStringLiteral("BELKA_BODY2") << QStringLiteral("BELKA_FALA");
    for (int i = 0; i <= 5; ++i)
        n << QStringLiteral("BELKA_BODY_STYLE_%1").arg(i);
    for (int i = 0; i <= 5; ++i)
        n << QStringLiteral("BELKA_BODY_NEW_STYLE_%1").arg(i);
    for (const char* gender : {"K", "M"})
        for (int style : {10, 20})
            for (int colour = 1; colour <= 6; ++colour)
                n << QStringLiteral("BELKA_LUDZIK_%1_%2").arg(QLatin1String(gender)).arg(style + colour);

    // Dialog frames and message icons.
    for (const char* style : {"_B", "_W"}) {
        for (int piece = 1; piece <= 9; ++piece)
            n << QStringLiteral("DIAL0%1").arg(piece) + QLatin1String(style);
        n << QStringLiteral("DIAL_BELKA") + QLatin1String(style);
    }
    for (int icon : SkinDialogIcons())
        n << QStringLiteral("DIAL_ICO_%1").arg(icon);
    for (const char* icon : {"ERROR", "QUESTION", "INFORMATION", "EXCLAMATION"})
        n << QStringLiteral("MSG_ICON_") + QLatin1String(icon);

    // Group frames: blue, white, background, board, puzzle board.
    for (int set : {1, 6, 2, 3})
        for (int piece = 1; piece <= 9; ++piece)
            n << QStringLiteral("RAMKA%1_%2").arg(set).arg(two(piece));
    for (const char* piece : {"01", "03", "04", "06", "07", "09", "02_L", "02_S", "02_R", "02_D", "05_L", "05_S",
                              "05_R", "05_D", "08_L", "08_S", "08_R"})
        n << QStringLiteral("RAMKA4_") + QLatin1String(piece);

    // Three-pictures frame: style, state letter, corner.
    for (int style = 1; style <= 3; ++style)
        for (const char* state : {"H", "D", "Z"})
            for (int corner = 1; corner <= 4; ++corner)
                n << QStringLiteral("RAMKA5_%1%2%3").arg(style).arg(QLatin1String(state)).arg(corner);

    // Result chart, statistics notebook, speech bubble.
    n << QStringLiteral("WYKRES_BG");
    for (int p = 0; p <= 100; p += 5)
        n << QStringLiteral("WYKRES_") + (p < 100 ? two(p) : QStringLiteral("100"));
    for (const char* z : {"SEP", "OK", "BAD", "XFA"})
        n << QStringLiteral("ZESZYT_") + QLatin1String(z);
    for (int piece = 1; piece <= 3; ++piece)
        n << QStringLiteral("DYMEK_%1").arg(two(piece));

    // User figures and the colour swatches of the profile window.
    for (const char* gender : {"K", "M"})
        for (int style : {10, 20})
            for (int colour = 1; colour <= 6; ++colour)
                n << QStringLiteral("C%1%2").arg(QLatin1String(gender)).arg(style + colour);
    for (int colour = 1; colour <= 6; ++colour)
        n << QStringLiteral("COLOR%1").arg(colour);
    return n;
}

QStringList SkinSoundNames()
{
    return {QStringLiteral("WAV_START"), QStringLiteral("WAV_OK"), QStringLiteral("WAV_ZLE"), QStringLiteral("WAV_WYNIK")};
}
