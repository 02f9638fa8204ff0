#pragma once

#include "Failure.h"

#include <QString>
#include <QStringList>

#include <optional>
#include <vector>

// One pronunciation of an HTK pronunciation dictionary line
// "WORD [OUTPUT] PHONE PHONE ...". The output symbol in brackets is what the
// recognizer reports for the word; "[]" reports nothing, and without brackets
// the word itself is reported. A word may have several lines (pronunciations).
struct HtkPronunciation {
    QString word;
    std::optional<QString> output; // nullopt: no brackets
    QStringList phones;

    QString reported() const { return output ? *output : word; }
};

// Reads a dictionary text. The word runs up to the opening bracket when there is
// one (so it may contain blanks), else up to the first blank; an optional
// pronunciation probability after the output symbol is skipped. Empty lines are
// ignored. A line with "[" but no "]", or without a word, is a failure naming
// the line.
Expected<std::vector<HtkPronunciation>> ParseHtkDictionary(const QString& text);
