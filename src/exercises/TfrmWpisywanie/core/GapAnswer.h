#pragma once

#include <QString>

// Checking what the learner typed into a gap.

// The learner's settings that decide how strictly a typed answer is compared
// (a new profile distinguishes letter case and ignores punctuation).
struct AnswerRules {
    bool letterCase = true;        // TUstawienia::LetterCase
    bool punctuationRules = false; // TUstawienia::PunctuationRules
};

// The text with its ends trimmed and the 16 punctuation characters
// ! ( ) + { } : " < > ? [ ] ; , . removed everywhere; apostrophes and hyphens
// stay.
QString StripPunctuation(const QString& text);

// What the edit box hands to its gap: blanks at both ends removed and runs of
// blanks inside collapsed to one.
QString NormalizeTypedAnswer(const QString& text);

// Whether `input` answers a gap whose answer is `answer`. Without letterCase
// both are lower-cased; without punctuationRules both are trimmed and stripped
// of punctuation. The input must then equal one of the "/"-separated
// alternatives of the answer, taken in order up to the first empty one (so
// "colour/" accepts only "colour"). Both sides are compared the way the edit
// box hands over the input, with blanks trimmed and collapsed, so "tired /
// happy" accepts "happy". An empty input is never right. Letter case is
// folded for every letter, Polish ones included.
bool IsGapCorrect(const QString& input, const QString& answer, const AnswerRules& rules);
