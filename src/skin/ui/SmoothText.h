#pragma once

#include <QFont>
#include <QRect>
#include <QString>

class QPainter;

// Text drawing shared by the skinned controls. Coordinates are those of the
// control; a text drawn "at (x, y)" has the top of its line box there, as the
// Windows text output the layouts were made for.

// Format flags of DrawSmoothTextRect and MeasureTextRect, with their Windows values.
enum TextFormat : int { DT_LEFT = 0, DT_CENTER = 1, DT_RIGHT = 2, DT_WORDBREAK = 0x10 };

// A font of `points` points at 96 dots per inch, held as a pixel size (rounded as
// Windows rounds it: 8 pt is 11 px), so the layouts do not depend on the screen.
QFont SkinFont(const QString& family, int points, bool bold = false);
// A font whose height is given in pixels (the windows' labels are specified so).
QFont PixelFont(const QString& family, int pixels, bool bold = false);

// The extent of the whole string in `font`: its advance width and its line height.
int TextWidth(const QFont& font, const QString& text);
int TextHeight(const QFont& font, const QString& text);

// The painter's font and pen colour, with smoothed edges, top-left at (x, y).
void DrawSmoothText(QPainter& p, int x, int y, const QString& text);

// Word-wrapped smoothed text. The work area is rect's size at (x, y); the text is
// laid into (x − 1, rect.top + 2y, rect.right, rect.bottom) with `format`
// (DT_LEFT, DT_CENTER or DT_RIGHT, plus DT_WORDBREAK) and clipped to the work area.
void DrawSmoothTextRect(QPainter& p, const QRect& rect, int x, int y, int format, const QString& text);

// The rectangle `text` needs when laid out with `format` from rect's top-left in
// rect's width: the width of rect (wider when a word does not fit) and the
// height of the lines.
QRect MeasureTextRect(const QFont& font, const QRect& rect, int format, const QString& text);

// A rectangle given by its left, top, right and bottom edges (right and bottom
// excluded), the way the layouts state them.
inline QRect Ltrb(int left, int top, int right, int bottom)
{
    return QRect(left, top, right - left, bottom - top);
}
