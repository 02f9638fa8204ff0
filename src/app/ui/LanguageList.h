#pragma once

#include <QComboBox>

// The settings window's owner-drawn language lists. Each item is
// "lower-case name=id"; an item is drawn on white (silver when selected)
// with the flag picture "F" + id at the left and the name with its first
// letter upper-cased. Id 255 (no translations) has no flag; an id the window
// holds no flag for is drawn without one.
class LanguageList : public QComboBox {
    Q_OBJECT
public:
    // `spanishByName`: the interface list shows "español" for id 4 whatever
    // the definitions call it.
    explicit LanguageList(QWidget* parent, const char* name, bool spanishByName);

    // The id of the selected item; -1 when none is selected.
    int selectedId() const;
    // The index of the item with `id`, or -1.
    int indexOfId(int id) const;

    // The name drawn for `item` (first letter upper-cased).
    QString displayName(const QString& item) const;
    // Draws `item` into `r`.
    void drawItem(QPainter& p, const QRect& r, const QString& item, bool selected) const;

    static int itemId(const QString& item);

protected:
    void paintEvent(QPaintEvent*) override;

private:
    bool m_spanishByName;
};
