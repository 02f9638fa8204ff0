#pragma once

#include <QString>
#include <QStringList>
#include <QStringView>

#include <string_view>

// Text rules of the dictionary search, shared by the model, the list painter
// and the command-line tool. Pure functions, no state.

// The text without the characters below code 33 at both ends.
QStringView TrimBelow33(QStringView text);

// True when `s` occurs in `text` as a whole word: the occurrence starts the text
// or follows a blank, and ends the text or is followed by a blank or ")".
// Every occurrence is tried, so "in" is a whole word of "bring in". An empty
// `s` is never a whole word. Case-sensitive: callers lower-case both sides.
bool IsWholeWord(QStringView s, QStringView text);
bool IsWholeWord(std::string_view s, std::string_view text); // the same on UTF-8

// Rank of an entry's word for the search text `s` (both already lower-cased):
// 1 the word equals s; 2 the word starts with s followed by a blank; 3 s is a
// whole word of the word; 4 the word starts with s; 5 anything else.
int DictionaryRank(QStringView word, QStringView s);
int DictionaryRank(std::string_view word, std::string_view s); // the same on UTF-8

// The class of a class marker token ("[3]" → 3): a token of at least three
// characters with "[" first, a digit 1 … 9 second and "]" third. Anything
// else, "[x]" and a lone "[" among them, is plain text and gives 0.
int MarkerClass(QStringView token);

// The endings the search box tries to take off the search text, in order.
const QStringList& EndingTable();

// The first two steps of the right-click look-up: trim characters below code
// 33, then drop punctuation and digits from the front and from the back.
QString StripLookupPunctuation(const QString& word);

// Takes one English ending off a word that was not found, the first that
// applies, in any letter case: "ed" (word longer than 2), "es" (longer than
// 2), "ing" (longer than 3), "s" (longer than 1). Other words are returned as
// they are.
QString StripEnglishEnding(const QString& word);
