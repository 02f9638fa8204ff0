#pragma once

#include "DictionaryIndex.h"

#include <QList>
#include <QString>
#include <QStringList>

// Which field of an entry the search looks at (the two radio-style boxes of the
// dictionary window; exactly one is checked).
enum class SearchField {
    Words,        // the headword
    Translations, // the translation without its first four characters
};

// Everything the dictionary window holds apart from its pixels: the entry list,
// the search options, the results and whether the list shows all entries or
// the results. The window shows listEntry(0 … listCount() − 1).
//
// Searches match without regard to letter case, in one pass over the packed
// keys of the DictionaryIndex.
class DictionaryModel final {
public:
    // Replaces the entry list (a loaded dictionary). The list then shows all
    // entries and the results are emptied. setEntries builds the index itself.
    void setIndex(DictionaryIndex index);
    void setEntries(QList<TDane> entries) { setIndex(DictionaryIndex(std::move(entries))); }
    const QList<TDane>& entries() const { return m_index.entries(); }

    SearchField searchField() const { return m_field; }
    void setSearchField(SearchField field) { m_field = field; }
    bool wholeWords() const { return m_wholeWords; }
    void setWholeWords(bool on) { m_wholeWords = on; }

    // Fills the results with the entries whose searched field starts with s
    // (prefix) or, otherwise, holds s as a whole word (whole-words option) or
    // anywhere. With two or more results they are ordered by DictionaryRank of
    // the headword, rank 1 first, file order within a rank. Returns how many.
    // The list itself does not change; SearchBox and PressLetterButton show it.
    int Search(const QString& s, bool prefix);

    // The search box: takes an ending of EndingTable() off the text when the
    // rest occurs in some headword (as a whole word with the whole-words
    // option), then searches the text and shows the results; an empty text
    // shows all entries. Endings are English: they are tried only when the
    // search is in the words, in any letter case, and never leave the text
    // empty. Returns the text searched ("" when all entries are shown).
    QString SearchBox(const QString& text);

    // A letter button by its tag: 97 … 122 search the headwords (or
    // translations) starting with that lower-case letter; 123 shows all entries.
    // Other tags do nothing.
    void PressLetterButton(int tag);

    // The form of a word from an exercise under which it is looked up: trimmed,
    // without punctuation and digits at either end, and without one English
    // ending when the word itself is found in no headword. Always looks in the
    // headwords, whatever the search option; the results are left as they are.
    QString DictionaryForm(const QString& word) const;

    // What showing the window resets: all entries listed, results emptied,
    // search in the words. The whole-words option is kept.
    void PrepareShowing();

    void ShowAll() { m_showAll = true; }
    void ShowResults() { m_showAll = false; }
    bool showAll() const { return m_showAll; }

    // The list the window shows: all entries or the results.
    int listCount() const;
    const TDane& listEntry(int row) const;

    // Indices into entries() of the last search's results, in list order.
    const QList<int>& results() const { return m_results; }

private:
    const PackedKeys& keys(SearchField field) const;
    bool anyMatch(const QString& s, SearchField field, bool wholeWords) const;

    DictionaryIndex m_index;
    QList<int> m_results;
    bool m_showAll = true;
    SearchField m_field = SearchField::Words;
    bool m_wholeWords = false;
};
