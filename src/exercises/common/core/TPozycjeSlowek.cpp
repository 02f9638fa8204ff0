#include "TPozycjeSlowek.h"

int TPozycjeSlowek::Add(const QString& word, const QRect& rect)
{
    m_items.append({word, rect});
    return int(m_items.size()) - 1;
}

QString TPozycjeSlowek::WordAt(const QPoint& p) const
{
    for (const Item& it : m_items)
        if (it.rect.contains(p))
            return it.word;
    return {};
}
