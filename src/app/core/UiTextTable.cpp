#include "UiTextTable.h"

QString UiTextTable::text(int id) const
{
    const QString key = QString::number(id);
    for (const QString& e : m_entries) {
        const qsizetype eq = e.indexOf(u'=');
        const QStringView head = eq < 0 ? QStringView(e) : QStringView(e).left(eq);
        if (head == key)
            return eq < 0 ? QString() : e.mid(eq + 1);
    }
    return {};
}
