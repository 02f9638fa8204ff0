#pragma once

#include "PackedKeys.h"
#include "TDane.h"

#include <QList>

// The entries of a dictionary together with their packed, lower-cased search
// keys: the headwords, and the translations without their first four
// characters. Building it costs about as much as reading the file, so the
// loader builds it on its own thread and the window moves it into its model.
class DictionaryIndex final {
public:
    DictionaryIndex() = default;
    explicit DictionaryIndex(QList<TDane> entries);

    const QList<TDane>& entries() const { return m_entries; }
    const PackedKeys& words() const { return m_words; }
    const PackedKeys& translations() const { return m_translations; }

private:
    QList<TDane> m_entries;
    PackedKeys m_words;
    PackedKeys m_translations;
};
