#include "PackedKeys.h"

#include <cstring>
#include <string>

PackedKeys::PackedKeys(const QStringList& keys)
{
    m_start.reserve(keys.size() + 1);
    m_text.append('\n');
    for (const QString& key : keys) {
        m_start.append(m_text.size());
        QByteArray bytes = key.toUtf8();
        bytes.replace('\n', ' ');
        m_text.append(bytes).append('\n');
    }
    m_start.append(m_text.size());
}

QList<int> PackedKeys::matches(std::string_view needle, KeyMatch how, qsizetype limit) const
{
    QList<int> out;
    const int count = size();
    if (count == 0 || limit <= 0 || needle.find('\n') != std::string_view::npos)
        return out;
    if (needle.empty()) {
        if (how != KeyMatch::WholeWord)
            for (int i = 0; i < count && out.size() < limit; ++i)
                out.append(i);
        return out;
    }

    // A prefix is searched together with the line feed in front of its key.
    const std::string pattern = how == KeyMatch::Prefix ? '\n' + std::string(needle) : std::string(needle);
    const char* text = m_text.constData();
    const size_t size = size_t(m_text.size());
    size_t from = 0;
    int index = 0; // the key a hit is in; hits only move forward
    while (from < size) {
        const void* hit = memmem(text + from, size - from, pattern.data(), pattern.size());
        if (!hit)
            break;
        const size_t pos = size_t(static_cast<const char*>(hit) - text);
        const size_t keyPos = how == KeyMatch::Prefix ? pos + 1 : pos;
        if (how == KeyMatch::WholeWord) {
            const char before = text[pos - 1];
            const char after = text[pos + pattern.size()];
            if ((before != '\n' && before != ' ') || (after != '\n' && after != ' ' && after != ')')) {
                from = pos + 1;
                continue;
            }
        }
        while (m_start[index + 1] <= qsizetype(keyPos))
            ++index;
        out.append(index);
        if (out.size() >= limit)
            break;
        // Go on with the next key (for a prefix: with the line feed before it).
        from = size_t(m_start[index + 1]) - (how == KeyMatch::Prefix ? 1 : 0);
    }
    return out;
}
