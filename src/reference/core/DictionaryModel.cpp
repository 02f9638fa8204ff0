#include "DictionaryModel.h"

#include "DictionaryText.h"

#include <array>
#include <vector>

void DictionaryModel::setIndex(DictionaryIndex index)
{
    m_index = std::move(index);
    m_results.clear();
    m_showAll = true;
}

const PackedKeys& DictionaryModel::keys(SearchField field) const
{
    return field == SearchField::Words ? m_index.words() : m_index.translations();
}

static std::string_view utf8View(const QByteArray& bytes)
{
    return std::string_view(bytes.constData(), size_t(bytes.size()));
}

int DictionaryModel::Search(const QString& s, bool prefix)
{
    const QByteArray needle = s.toLower().toUtf8();
    const KeyMatch how = prefix ? KeyMatch::Prefix : m_wholeWords ? KeyMatch::WholeWord : KeyMatch::Contains;
    m_results = keys(m_field).matches(utf8View(needle), how);
    if (m_results.size() < 2)
        return int(m_results.size());

    // A counting sort on the five ranks keeps file order within a rank.
    const std::string_view s8 = utf8View(needle);
    std::vector<unsigned char> ranks(size_t(m_results.size()));
    std::array<qsizetype, 6> place{}; // place[r]: where the next entry of rank r goes
    for (qsizetype k = 0; k < m_results.size(); ++k) {
        ranks[k] = static_cast<unsigned char>(DictionaryRank(m_index.words().key(m_results[k]), s8));
        if (ranks[k] < 5)
            ++place[ranks[k] + 1];
    }
    for (int r = 2; r <= 5; ++r)
        place[r] += place[r - 1];
    QList<int> sorted(m_results.size());
    for (qsizetype k = 0; k < m_results.size(); ++k)
        sorted[place[ranks[k]]++] = m_results[k];
    m_results = std::move(sorted);
    return int(m_results.size());
}

bool DictionaryModel::anyMatch(const QString& s, SearchField field, bool wholeWords) const
{
    const QByteArray needle = s.toLower().toUtf8();
    return !keys(field).matches(utf8View(needle), wholeWords ? KeyMatch::WholeWord : KeyMatch::Contains, 1).isEmpty();
}

QString DictionaryModel::SearchBox(const QString& text)
{
    QString t = text;
    if (m_field == SearchField::Words) {
        for (const QString& ending : EndingTable()) {
            if (t.size() <= ending.size() || !t.endsWith(ending, Qt::CaseInsensitive))
                continue;
            const QString rest = t.chopped(ending.size());
            if (anyMatch(rest, SearchField::Words, m_wholeWords)) {
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
    if (anyMatch(w, SearchField::Words, m_wholeWords))
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
    return int(m_showAll ? entries().size() : m_results.size());
}

const TDane& DictionaryModel::listEntry(int row) const
{
    return entries()[m_showAll ? row : m_results[row]];
}
