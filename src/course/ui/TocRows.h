#pragma once

#include <QFontMetrics>
#include <QString>

struct TElement;

// The arithmetic of the table of contents' rows, apart from the widgets.

// Rows are 24 pixels high; 23 of them fit the list.
inline constexpr int TocRowHeight = 24;
inline constexpr int TocVisibleRows = 23;

// What a release of the mouse at x (in the list) does on a row.
enum class TocAction { None, Toggle, OpenNode, OpenFirstChild, OpenChild };
struct TocHit {
    TocAction action = TocAction::None;
    int child = 0; // OpenChild: the child's 1-based number
};

// The zones of a row of `nodeType` (-1 group, 1 exercise, 2 container, 3 child
// of a container) whose node has `childCount` children:
//   group: anywhere toggles;
//   1: 55 < x <= 365 opens the node;
//   2: 55 < x <= 365 opens the first child; 780 <= x < 790 toggles; the icon
//      tile of child i (left = 780 - 29n + 29(i - 1), left <= x <= left + 24)
//      opens child i; the title and toggle zones are tested first. A container
//      without children offers nothing;
//   3: 82 < x <= 365 opens the node.
TocHit TocHitTest(int nodeType, int x, int childCount);

// Left edge of the icon tile of child i (1-based) of a container row with n children.
inline int TocChildTileX(int n, int i) { return 780 - 29 * n + 29 * (i - 1); }

// Shortens a text that is wider than `limit` pixels in `fm`'s font: keeps
// the characters whose own widths add up to at most the limit, drops the last
// one (when "..." is narrower than the last two together) or the last two,
// and appends "...". The caller shortens only texts wider than the limit.
QString ShortenText(const QFontMetrics& fm, const QString& text, int limit);

// The caption a row shows and hints: in program mode 2 the part after the
// first "]" (leading blank included), the whole caption when it has none.
QString TocCaption(const QString& caption, int programMode);

// The kind icon of a row: "Typ_%d" (mode 2: "Typ_g_%d"), or with the package
// parameter "Typ_%d_%d" for kind 101.
QString TocKindIconName(const TElement& node, int programMode);
