#pragma once

#include <QList>
#include <QRect>
#include <QString>

// The tags of a gap text, by the marker code an item carries (0: a word or a
// gap). Codes follow the order "<BR>", "<IMG LEFT>", "<IMG RIGHT>", "</IMG>",
// "<I>", "<B>", "</I>", "</B>", "<AK>".
enum GapTextMarker {
    mkNone = 0,
    mkBR = 1,
    mkImgLeft = 2,
    mkImgRight = 3,
    mkImgEnd = 4,
    mkItalic = 5,
    mkBold = 6,
    mkItalicEnd = 7,
    mkBoldEnd = 8,
    mkAK = 9,
};

// One word, tag or gap of a gap text, in text order.
struct TWyrazTekstu {
    QString Text;      // as written; tags and gaps with their brackets
    bool IsGap = false;
    int Marker = mkNone;
    QString Answer;    // gaps: the text inside the brackets, alternatives separated by "/"
    QString Input;     // gaps: what the learner typed, normalised
    QRect Rect;        // where the gap's field or text (or a word) was last laid out; empty: not clickable

    friend bool operator==(const TWyrazTekstu&, const TWyrazTekstu&) = default;
};

// A parsed gap text: the items and the item indices of its gaps, in text order.
struct GapTextItems {
    QList<TWyrazTekstu> items;
    QList<int> gaps;
};
