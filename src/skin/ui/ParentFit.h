#pragma once

#include <QObject>

class QWidget;

// Keeps a child control aligned in its parent as it resizes: across the top at a
// fixed height, or filling the whole parent.
class ParentFit final : public QObject {
public:
    enum Mode { Top, Fill };
    ParentFit(QWidget* child, Mode mode);

    // Places the child now (also called on every resize of the parent).
    void fit();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QWidget* m_child;
    Mode m_mode;
};
