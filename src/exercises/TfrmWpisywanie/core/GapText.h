#pragma once

#include "TWyrazTekstu.h"

#include <QString>

// Reading the markup of a gap text: words separated by blanks, and bracketed
// parts ("<BR>", "<B>", "<colour/color>") that need no blanks around them.

enum class TagMatch {
    IgnoreCase, // the exercise text: tags in any letter case, any "<AK..." is a step
    Exact,      // the phrase list: only the nine tags as written in capitals
};

// The marker code of an item's text (0 when it is no tag).
int MarkerCode(const QString& text, TagMatch match = TagMatch::IgnoreCase);

// Splits `text` into items. Every bracketed part up to its ">" is one item;
// the text between is split into words at blanks (runs of blanks give no
// empty words), and the words after the last bracketed part are kept. A
// bracketed part that is not a tag is a gap: its answer is the text inside the
// brackets, blanks included. A "<" without a closing ">" starts no tag: the
// rest of the text is read as plain words. With TagMatch::Exact nothing is a
// gap (the phrase list has none).
GapTextItems ParseGapText(const QString& text, TagMatch match = TagMatch::IgnoreCase);

// The phrase list of the mini-dictionary: the text with "<AK>" appended,
// tags recognised only as written in capitals.
GapTextItems ParsePhraseText(const QString& text);

// The step of an AK tag from the pen position x: |x - n| for a tag holding
// "=" and a number n before its ">", otherwise 30 pixels.
int AkStep(const QString& tag, int x);
