#pragma once

#include <QString>
#include <QStringList>

// The interface texts of the current language: one entry per hint of the
// definitions file, in document order, each "id=text".
class UiTextTable final {
public:
    void clear() { m_entries.clear(); }
    void append(int id, const QString& text) { m_entries.append(QString::number(id) + u'=' + text); }
    void appendRaw(const QString& entry) { m_entries.append(entry); }
    const QStringList& entries() const { return m_entries; }

    // The text of the first entry whose part before the first "=" is the decimal
    // form of `id`: everything after that first "=". Empty when no entry matches.
    QString text(int id) const;

private:
    QStringList m_entries;
};
