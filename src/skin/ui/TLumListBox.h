#pragma once

#include <QListWidget>

// A list box without native scroll bars (a picture scroll bar beside it drives
// it) that never takes the focus.
class TLumListBox : public QListWidget {
    Q_OBJECT
public:
    explicit TLumListBox(QWidget* parent = nullptr);

    // Height of every row; the default follows the font.
    void setItemHeight(int h);
    int itemHeight() const;

    // The last top index: rows − (client height div row height), never below 0.
    int GetScrollBarMax() const;
    // The first visible row, and scrolling so that `index` is the first.
    int topIndex() const;
    void setTopIndex(int index);

private:
    int m_itemHeight = 0;
};
