#include "DictionaryModel.h"

#include "DictionaryText.h"

#include <array>

void DictionaryModel::setEntries(QList<TDane> entries)
{
    m_entries = std::move(entries);
    m_wordKeys.clear();
    m_translationKeys.clear();
    m_wordKeys.reserve(m_entries.size());
    m_translationKeys.reserve(m_entries.size());
    for (const TDane& e : m_entries) {
        m_wordKeys.append(e.word.toLower());
        m_translationKeys.append(e.translation.mid(4).toLower());
    }
    m_results.clear();
    m_showAll = true;
}

const QStringList& DictionaryModel::keys(SearchField field) const
{
    return field == SearchField::Words ? m_wordKeys : m_translationKeys;
}

int DictionaryModel::Search(const QString& s, bool prefix)
{
    m_results.clear();
    const QString needle = s.toLower();
    const QStringList& fields = keys(m_field);
    for (qsizetype i = 0; i < fields.size(); ++i) {
        const QString& field = fields[i];
        const bool match = prefix         ? field.startsWith(needle)
                           : m_wholeWords ? IsWholeWord(needle, field)
                                          : field.contains(needle);
        if (match)
            m_results.append(int(i));
    }
    if (m_results.size() < 2)
        return int(m_results.size());

    // Five ranks: a bucket each keeps file order within a rank.
    std::array<QList<int>, 5> byRank;
    for (int i : std::as_const(m_results))
        byRank[DictionaryRank(m_wordKeys[i], needle) - 1].append(i);
    m_results.clear();
    for (const QList<int>& bucket : byRank)
        m_results.append(bucket);
    return int(m_results.size());
}

bool DictionaryModel::anyMatch(QStringView s, SearchField field, bool wholeWords) const
{
    for (const QString& key : keys(field))
        if (wholeWords ? IsWholeWord(s, key) : key.contains(s))
            return true;
    return false;
}

QString DictionaryModel::SearchBox(const QString& text)
{
    QString t = text;
    if (m_field == SearchField::Words) {
        for (const QString& ending : EndingTable()) {
            if (t.size() <= ending.size() || !t.endsWith(ending, Qt::CaseInsensitive))
                continue;
            const QString rest = t.chopped(ending.size());
            if (anyMatch(rest.toLower(), SearchField::Words, m_wholeWords)) {
                t = rest;
                break;
            }
        }
    }
    if (t.isEmpty()) {
        ShowAll();
        return t;
    }
    Search(t, false);
    ShowResults();
    return t;
}

void DictionaryModel::PressLetterButton(int tag)
{
    if (tag == 123) {
        ShowAll();
    } else if (tag >= 97 && tag <= 122) {
        Search(QString(QChar(char16_t(tag))), true);
        ShowResults();
    }
}

QString DictionaryModel::DictionaryForm(const QString& word) const
{
    const QString w = StripLookupPunctuation(word);
    if (anyMatch(w.toLower(), SearchField::Words, m_wholeWords))
        return w;
    return StripEnglishEnding(w);
}

void DictionaryModel::PrepareShowing()
{
    m_showAll = true;
    m_results.clear();
    m_field = SearchField::Words;
}

int DictionaryModel::listCount() const
{
    return int(m_showAll ? m_entries.size() : m_results.size());
}

const TDane& DictionaryModel::listEntry(int row) const
{
    return m_showAll ? m_entries[row] : m_entries[m_results[row]];
}
