#pragma once

#include <QString>

// One entry of the bilingual dictionary, as read from one line of the
// dictionary file.
struct TDane {
    int number = 0;      // entry number from the file
    QString word;        // headword or phrase in the course language
    QString wordClass;   // name of the entry's word class ("n", "adj", ...; may be empty)
    QString translation; // the translations, possibly with class markers such as "[1]"
    QString extra;       // sixth field of the line; kept, never shown

    friend bool operator==(const TDane&, const TDane&) = default;
};

// The word-class table, indexed 1 … 9: "n", "adj", "v", "", "loc", "adv",
// "II form", "III form", "". Any other index gives the empty string.
QString WordClassName(int index);
