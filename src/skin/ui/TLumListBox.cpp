#include "TLumListBox.h"

#include <QAbstractItemModel>
#include <QScrollBar>

TLumListBox::TLumListBox(QWidget* parent) : QListWidget(parent)
{
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setVerticalScrollMode(QAbstractItemView::ScrollPerItem);
    setFocusPolicy(Qt::NoFocus);
    setUniformItemSizes(true);
    connect(model(), &QAbstractItemModel::rowsInserted, this, [this](const QModelIndex&, int first, int last) {
        if (m_itemHeight <= 0)
            return;
        for (int i = first; i <= last; ++i)
            item(i)->setSizeHint(QSize(0, m_itemHeight));
    });
}

// Row heights are item size hints; the width 0 keeps the hint valid (an
// invalid one is dropped) and the list stretches its rows to its width anyway.
void TLumListBox::setItemHeight(int h)
{
    m_itemHeight = h;
    for (int i = 0; i < count(); ++i)
        item(i)->setSizeHint(QSize(0, h));
    doItemsLayout();
}

int TLumListBox::itemHeight() const
{
    if (m_itemHeight > 0)
        return m_itemHeight;
    return count() > 0 ? std::max(1, sizeHintForRow(0)) : fontMetrics().height();
}

int TLumListBox::GetScrollBarMax() const
{
    // the native range's maximum is the last row; a page of rows stays visible
    const int rows = viewport()->height() / itemHeight();
    return std::max(0, (count() - 1) - rows + 1);
}

int TLumListBox::topIndex() const
{
    return verticalScrollBar()->value();
}

void TLumListBox::setTopIndex(int index)
{
    verticalScrollBar()->setValue(index);
}
