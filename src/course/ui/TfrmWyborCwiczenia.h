#pragma once

#include <QImage>
#include <QWidget>

struct ShellContext;
struct TElement;
class QPainter;
class TAALabel;
class TALScrollBar;
class TLumBelka;
class TLumListBox;
class TLumResButton;
class TfrmNawigacja;

// The table of contents: the course tree as a scrolling list of owner-drawn
// rows (groups, exercises, containers with their children's icons, children),
// with the learner's last result and its date beside each exercise. Clicking a
// title opens the exercise through the navigation form; the back button of the
// exercise window brings this window back. The window is created once and
// shown and hidden; the expansion state lives in the course's nodes.
class TfrmWyborCwiczenia : public QWidget {
    Q_OBJECT
public:
    TfrmWyborCwiczenia(ShellContext& ctx, TfrmNawigacja& nav, QWidget* parent = nullptr);
    ~TfrmWyborCwiczenia() override;

    // The learning entry: the whole course, list hidden and shown again.
    void SetLearningMode();
    // Clears the list, rebuilds the flat list and fills the rows from the root
    // of the course tree in one update of the list.
    void FillFromRoot();
    void ClearList();

    // Appends a row for each child of `node` and, for an expanded child, its rows.
    void FillList(TElement* node);
    // Expands or collapses the node shown at `row`.
    void ToggleNode(int row, TElement* node);
    // The bar is shown exactly when there are more than 23 rows.
    void UpdateScrollBar();
    void ExpandAll();
    void CollapseAll();
    // Makes the list usable again (the back button of an exercise window).
    void EnableList();

    int RowCount() const;
    TElement* NodeAtRow(int row) const;
    // The row shown highlighted; -1 when none.
    int SelectedRow() const;

    // Draws row `row` into `rect` (rect's top is the row's y), as the list does.
    void DrawRow(QPainter& painter, const QRect& rect, int row, bool selected) const;

    TLumBelka* Belka;
    TAALabel* lblSpisTresci;
    TAALabel* lblWykonano;
    TAALabel* lblOstatnio;
    TLumListBox* DrzewoLista;
    TALScrollBar* SB;
    TLumResButton* btnExpand;
    TLumResButton* btnCollapse;
    QImage IMG_Tlo;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void changeEvent(QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    bool handleKey(QKeyEvent* event);
    void handleWheel(int delta);
    void mouseReleasedOnList(const QPoint& pos);
    void mouseMovedOnList(const QPoint& pos);
    void openFromRow(int row, TElement* node, int child);
    void refill(); // the rows from the root, in one update of the list
    void insertRows(int& position, TElement* node);
    int removeRows(int row, TElement* node);
    void applyTexts();
    void syncScrollBar();

    ShellContext& m_ctx;
    TfrmNawigacja& m_nav;
    bool m_activated = false;
    int m_hoverRow = -1;
    bool m_hintRow = false;
};
