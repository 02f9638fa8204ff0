#pragma once

#include "Failure.h"

#include <QString>
#include <QStringList>

#include <vector>

// One line of the course's pronunciation dictionary "slownik.dct":
// "word;second field;phones". The second field is kept but not used.
struct TSlowka {
    QString word;
    QString field2;
    QString pronunciation; // the phones as the recognizer expects them, written unchanged
};

// The course's pronunciation dictionary, read whole into memory in file order.
// The lesson window owns one and replaces it for every phrase it prepares.
class TDictionary final {
public:
    // Reads every line of `fileName` (ANSI, any line ends) into entries; an empty
    // line makes an empty entry. Fails, leaving the entries untouched, when the
    // file cannot be read.
    Status load(const QString& fileName);

    // The pronunciation of the first entry whose word equals `word` ignoring
    // letter case; the empty text when there is none. A linear scan.
    QString lookup(const QString& word) const;

    // Writes "tmp.dct" in `dir`: the bytes of "tmp0.dct" of the same folder, an
    // empty line, then "word [word] phones" for every word of the phrase.
    Status writeTaskDictionary(const QStringList& words, const QString& dir) const;

    // Writes "tmp.lat" in `dir`: the garbage sub-lattice and the phrase lattice.
    Status writeLattice(const QStringList& words, const QString& dir) const;

    const std::vector<TSlowka>& entries() const { return m_entries; }

private:
    std::vector<TSlowka> m_entries;
};
