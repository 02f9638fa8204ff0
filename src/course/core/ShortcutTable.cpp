#include "ShortcutTable.h"

#include "AnsiText.h"
#include "FieldOf.h"
#include "WinPath.h"

void ShortcutTable::load(const Installation& inst)
{
    const QString path = inst.path(QStringLiteral("\\Config") + QStringLiteral("\\") + QStringLiteral("Skroty_")
                                   + QStringLiteral("1") + QStringLiteral(".txt"));
    const std::optional<QStringList> lines = WinFileExists(path) ? readAnsiLines(path) : std::nullopt;
    if (!lines) {
        disable();
        return;
    }
    loadLines(*lines);
}

void ShortcutTable::disable()
{
    m_enabled = false;
    m_entries.clear();
    m_firstEntry.clear();
}

void ShortcutTable::loadLines(const QStringList& lines)
{
    m_entries.clear();
    m_firstEntry.clear();
    m_enabled = true;
    for (const QString& line : lines) {
        Entry e;
        const qsizetype colon = line.indexOf(u':');
        // Without a colon the canonical word is empty and the whole line lists alternatives.
        e.canonical = colon < 0 ? QString() : line.left(colon);
        const QString list = colon < 0 ? line : line.mid(colon + 1);
        for (int n = 1;; ++n) {
            const QString alt = FieldOf(n, list, u',');
            if (alt.isEmpty())
                break;
            e.alternatives.append(alt);
            if (!m_firstEntry.contains(alt))
                m_firstEntry.insert(alt, m_entries.size());
        }
        m_entries.append(e);
    }
}

QString ShortcutTable::NormalizeShortcuts(const QString& text) const
{
    if (!m_enabled)
        return text;
    QStringList words;
    for (int n = 1;; ++n) {
        QString w = FieldOf(n, text, u' ');
        if (w.isEmpty())
            break;
        const auto it = m_firstEntry.constFind(w);
        words.append(it == m_firstEntry.constEnd() ? w : m_entries[*it].canonical);
    }
    return words.join(u' ');
}
