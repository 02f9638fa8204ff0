#include "TALScrollBar.h"

TALScrollBar::TALScrollBar(QWidget* parent) : PictureScrollBar(parent, {0, true, 50})
{
    resize(150, 18);
    setVertical(false);
    setMin(0);
    setMax(100);
    setPosition(0);
    setSmallChange(1);
    setLargeChange(5);
    setButtonLength(18);
    setThumbLength(15);
}
