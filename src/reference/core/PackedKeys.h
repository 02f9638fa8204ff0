#pragma once

#include <QByteArray>
#include <QList>
#include <QStringList>

#include <limits>
#include <string_view>

// How a search text must occur in a key.
enum class KeyMatch {
    Contains,  // anywhere
    WholeWord, // after a blank or at the start, before a blank, ")" or the end
    Prefix,    // at the start
};

// The lower-cased search fields of all entries packed into one UTF-8 text,
// "\n" key0 "\n" key1 "\n" … "\n", so that a search is one memmem pass over the
// whole list instead of one call per entry. UTF-8 keeps the substring, prefix
// and whole-word tests exact, and is half the size of the UTF-16 keys.
class PackedKeys final {
public:
    PackedKeys() = default;
    // Keys are packed as given (callers lower-case them); a line feed inside a
    // key is replaced by a blank.
    explicit PackedKeys(const QStringList& keys);

    int size() const { return m_start.isEmpty() ? 0 : int(m_start.size() - 1); }
    std::string_view key(int i) const
    {
        return std::string_view(m_text.constData() + m_start[i], size_t(m_start[i + 1] - 1 - m_start[i]));
    }

    // Indices of the keys in which `needle` (UTF-8) occurs as `how` says, in
    // order, at most `limit` of them. An empty needle matches every key,
    // except as a whole word.
    QList<int> matches(std::string_view needle, KeyMatch how,
                       qsizetype limit = std::numeric_limits<qsizetype>::max()) const;

private:
    QByteArray m_text;
    QList<qsizetype> m_start; // where each key starts; one more: the end of the text
};
