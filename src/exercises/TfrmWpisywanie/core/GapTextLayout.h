#pragma once

#include "GapTextRun.h"

#include <QColor>
#include <QFont>
#include <QList>
#include <QRect>
#include <QSize>
#include <QString>

#include <functional>

// Where everything of a gap text goes on the exercise area, measured with the
// text font's metrics, so the window only draws the pieces. Coordinates are
// the content's: the window subtracts its scroll offset.

namespace GapTextColours {
// The window's colours, given as the form stores them (0x00BBGGRR).
constexpr int Text = 3421236;
constexpr int Typed = 16739335; // blue
constexpr int Right = 1408512;  // green
constexpr int Wrong = 211;      // red
} // namespace GapTextColours

// A colour stored as 0x00BBGGRR.
QColor FormColour(int bgr);

// The text font of the exercise: Tahoma, 15 pixels.
QFont GapTextFont();

struct GapTextPiece {
    enum Kind { Text, Picture, Field, Icon };
    Kind kind = Text;
    QRect rect;
    QString name;        // Text: the text; Picture: the file name; Icon: "IMG_OK", "IMG_Zle", "IMG_Info"
    bool bold = false;
    bool italic = false;
    QColor colour;
    int item = -1;       // the item it shows

    friend bool operator==(const GapTextPiece&, const GapTextPiece&) = default;
};

struct GapTextLayoutInput {
    QFont font = GapTextFont();
    int areaWidth = 0;
    QSize field{93, 21};   // IMG_Pole
    QSize okIcon{24, 24};  // IMG_OK
    QSize wrongIcon{24, 24}; // IMG_Zle
    QSize infoIcon{24, 24};  // IMG_Info
    // The size of a picture of Gfx\Wpis_gfx by its file name; an invalid size
    // when the file does not exist (the picture is then skipped).
    std::function<QSize(const QString&)> pictureSize;
};

struct GapTextLayout {
    QList<GapTextPiece> pieces;
    QList<QRect> itemRects;                  // per item: where a click or the hover hint finds it; null: nowhere
    QList<std::pair<QString, QRect>> words;  // the painted words, for the dictionary lookup
    int contentHeight = 0;
    int lineHeight = 0;
};

// Line height of a text font: the height of "XXX" + 8.
int GapTextLineHeight(const QFont& font);

// Lays the run out in its current state:
// - "<BR>" starts a new line at the left margin; "<I>" and "</I>" switch italics
//   and widen or narrow the word spacing by 4; "<B>" and "</B>" switch bold;
//   an AK tag steps right (AkStep), wrapping first when the step passes the
//   right edge;
// - a picture block ("<IMG LEFT>" or "<IMG RIGHT>" ... "</IMG>") puts its
//   pictures on a new line (unless the line is still empty) at the left or
//   the right edge, one below the other; the text then flows beside them
//   (the left margin or the right edge moved by the picture's width + 10)
//   until a new line starts below the lowest picture;
// - words wrap before they would pass the right edge; "," and "." are pulled
//   one space width left, against the word before them;
// - gaps show, by state: the typed text in bold blue or the empty field;
//   after the check an OK or wrong icon with the input (or "______") in green
//   or red; with the answers shown, right inputs in green and the first
//   alternative of each wrong gap in green after the info icon.
GapTextLayout LayoutGapText(const GapTextRun& run, const GapTextLayoutInput& in);

// The scroll bar's maximum for a content height on an area of `areaHeight`:
// 0 (no bar) when the content fits in the area less 10 pixels, otherwise the
// lines needed to reach the content's end.
int GapTextScrollMaximum(int contentHeight, int areaHeight, int lineHeight);

// The mini-dictionary's page: the phrase list parsed with ParsePhraseText.
// "<BR>", "<IMG LEFT>" and "<IMG RIGHT>" start a new line, "</IMG>" returns to
// the left edge, "<AK>" steps 20 pixels, "<I>"/"<B>" as in the text; any
// other item's words are drawn, wrapping at the width, where a wrapped line
// of text that is not bold starts 20 pixels in.
GapTextLayout LayoutPhraseList(const GapTextItems& phrases, const QFont& font, int areaWidth);
