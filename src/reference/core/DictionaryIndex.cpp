#include "DictionaryIndex.h"

#include <QStringList>

DictionaryIndex::DictionaryIndex(QList<TDane> entries)
    : m_entries(std::move(entries))
{
    QStringList words;
    QStringList translations;
    words.reserve(m_entries.size());
    translations.reserve(m_entries.size());
    for (const TDane& e : std::as_const(m_entries)) {
        words.append(e.word.toLower());
        translations.append(e.translation.mid(4).toLower());
    }
    m_words = PackedKeys(words);
    m_translations = PackedKeys(translations);
}
