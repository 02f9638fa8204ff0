#include "FieldOf.h"

template <typename Str, typename Ch>
static Str fieldOfImpl(int n, const Str& text, Ch separator)
{
    if (n < 1 || text.isEmpty())
        return {};
    qsizetype start = 0;
    for (int field = 1;; ++field) {
        qsizetype end = text.indexOf(separator, start);
        if (end < 0)
            end = text.size(); // the separator appended to a text that lacks a final one
        if (field == n)
            return text.mid(start, end - start);
        if (end + 1 >= text.size())
            return {}; // that was the last field
        start = end + 1;
    }
}

QString FieldOf(int n, const QString& text, QChar separator)
{
    return fieldOfImpl(n, text, separator);
}

QByteArray FieldOf(int n, const QByteArray& text, char separator)
{
    return fieldOfImpl(n, text, separator);
}
