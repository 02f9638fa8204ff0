#pragma once

#include "PictureScrollBar.h"

enum class TScrollBarKind { sbHorizontal, sbVertical };

// The windowed picture scroll bar (150 × 18, horizontal, 0..100 at 0): a
// conventional bar whose held arrows and track repeat every 50 milliseconds.
class TALScrollBar : public PictureScrollBar {
    Q_OBJECT
public:
    explicit TALScrollBar(QWidget* parent = nullptr);

    void setKind(TScrollBarKind k) { setVertical(k == TScrollBarKind::sbVertical); }
    void setButtonWidth(int v) { setButtonLength(v); }
    void setScrollerWidth(int v) { setThumbLength(v); }
};
