#pragma once

#include "DictionaryModel.h"

#include <QList>
#include <QString>

#include <functional>

// Geometry of the dictionary window that does not depend on painting: how a
// translation breaks into plain text and grey class labels, where each word of
// the visible entries goes, how far the list scrolls, and the letter buttons.

// Interface texts of the dictionary window.
namespace DictionaryUiText {
constexpr int Caption = 26;            // window caption
constexpr int Loading = 39;            // progress text while the list loads
constexpr int SearchWords = 53;        // rdSzukajSlowka
constexpr int SearchTranslations = 54; // rdSzukajTlumaczenia
constexpr int WholeWords = 55;         // chkCaleWyrazy
constexpr int AllEntries = 56;         // the last letter button
} // namespace DictionaryUiText

// One piece of a translation as the list draws it.
struct TranslationRun {
    QString text;        // what is drawn: a word, or a class name such as ", adj"
    bool grey = false;   // grey italic (class labels, and words after a class-9 marker)
    int markerClass = 0; // 1 … 9 for a class label, 0 for plain text
    bool gapAfter = true; // a 6-pixel gap follows; none before a class label

    friend bool operator==(const TranslationRun&, const TranslationRun&) = default;
};

// Splits a translation at blanks into runs. A class marker ("[3]") becomes the
// name of its class; a marker of class 1 … 8 after an earlier marker of class
// 1 … 8 gets ", " in front. After a class-9 marker the words stay grey until a
// marker of class 1 … 8. Text right after a marker's "]" ("[1]kot") is kept as
// a run of its own. Empty tokens (double blanks) give no run.
QList<TranslationRun> TranslationRuns(const QString& translation);

// What the window measures with its font (Verdana 10): the line height of
// "Xy", the width of a text in black regular or grey italic, and the size of
// the list's paint box.
struct DictionaryMetrics {
    int lineHeight = 0;
    int boxWidth = 470;
    int boxHeight = 224;
    std::function<int(const QString& text, bool greyItalic)> width;
};

// A text placed in the paint box (top-left corner).
struct PlacedText {
    int x = 0;
    int y = 0;
    QString text;
    bool grey = false;

    friend bool operator==(const PlacedText&, const PlacedText&) = default;
};

struct DictionaryPage {
    QList<PlacedText> texts;
    int entriesShown = 0; // entries from the scroll position that were laid out
};

// Column geometry of the list.
namespace DictionaryColumns {
constexpr int WordLeft = 10;         // headword column start
constexpr int WordRight = 200;       // a headword word that would pass this wraps
constexpr int WordGap = 4;           // between headword words
constexpr int TranslationLeft = 200; // translation column start
constexpr int TranslationGap = 6;    // after a translation run with gapAfter
} // namespace DictionaryColumns

// Entries shown at most on one page: box height ÷ line height.
int DictionaryRows(const DictionaryMetrics& m);

// Lays out the page of the list that starts at `scrollPosition`: at most
// DictionaryRows entries, while the next entry's top is inside the box. Words
// wrap within their column (a word wider than the column is not moved off a
// line it starts); a column stops at the bottom of the box.
DictionaryPage LayoutDictionaryPage(const DictionaryModel& model, int scrollPosition, const DictionaryMetrics& m);

// The largest useful scroll position: the first entry of the last page on
// which the last entry is fully visible. For one-line entries that is
// count − rows when there are more entries than rows, else 0.
int DictionaryScrollMaximum(const DictionaryModel& model, const DictionaryMetrics& m);

// The scroll position after `notches` of the mouse wheel (down positive): one
// entry per notch, kept within 0 … maximum.
int WheelScroll(int position, int notches, int maximum);

// One of the 27 letter buttons created each time the window is shown.
struct LetterButtonSpec {
    QString name;    // "Litera0" … "Litera26"
    QString caption; // "A" … "Z", then the caption given for the last button
    int tag = 0;     // 97 … 122 (the lower-case letter), 123 for the last button
    int x = 0;
    int y = 0;
    int width = 22;  // 44 for the last button; every button is 22 high
};

// The 27 buttons, seven to a row from (360, 68), 22 pixels apart.
QList<LetterButtonSpec> LetterButtons(const QString& allEntriesCaption);
