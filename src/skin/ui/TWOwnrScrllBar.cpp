#include "TWOwnrScrllBar.h"

TWOwnrScrllBar::TWOwnrScrllBar(QWidget* parent) : PictureScrollBar(parent, {1, false, 0})
{
    resize(20, 100);
    setMin(1);
    setMax(100);
    setPosition(50);
    setSmallChange(1);
    setLargeChange(4);
}
