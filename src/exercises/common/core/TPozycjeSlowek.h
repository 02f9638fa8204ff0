#pragma once

#include <QList>
#include <QRect>
#include <QString>

// The words an exercise area painted, with their rectangles in the area's
// coordinates: what a right click looks up in the dictionary. Kinds clear it
// at the start of each paint and add every word they draw.
class TPozycjeSlowek final {
public:
    void Clear() { m_items.clear(); }
    int Add(const QString& word, const QRect& rect);
    // The word of the first entry whose rectangle holds `p`, or empty.
    QString WordAt(const QPoint& p) const;
    int Count() const { return int(m_items.size()); }

private:
    struct Item {
        QString word;
        QRect rect;
    };
    QList<Item> m_items;
};
