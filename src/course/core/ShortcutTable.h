#pragma once

#include "Installation.h"

#include <QHash>
#include <QList>
#include <QString>
#include <QStringList>

// The word-normalisation table of Config\Skroty_1.txt, used by the typing
// exercises: each line "canonical:alt1,alt2,..." makes every alternative stand
// for its canonical word ("do not:dont,don't").
class ShortcutTable final {
public:
    struct Entry {
        QString canonical;
        QStringList alternatives;
    };

    // Reads AppDir\Config\Skroty_1.txt (Windows-1250 text). A missing file
    // disables the table; otherwise it is emptied, enabled and filled.
    void load(const Installation& inst);
    // Fills the table from lines as the file reader delivers them.
    void loadLines(const QStringList& lines);
    void disable();

    bool enabled() const { return m_enabled; }
    const QList<Entry>& entries() const { return m_entries; }

    // Splits `text` at single spaces (stopping at the first empty word, so
    // everything after two consecutive spaces is dropped), replaces each word
    // that is exactly an alternative by its canonical word (the first entry
    // listing it wins) and joins the words with single spaces. The input is
    // returned unchanged while the table is disabled.
    QString NormalizeShortcuts(const QString& text) const;

private:
    bool m_enabled = false;
    QList<Entry> m_entries;
    QHash<QString, qsizetype> m_firstEntry; // alternative -> index of the first entry listing it
};
