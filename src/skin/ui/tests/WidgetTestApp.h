#pragma once

#include <QPoint>
#include <QRect>
#include <QSize>

#include <ostream>

// What every window test program links (WidgetTestApp.cpp): the QApplication
// with the program's fonts, and readable geometry in failure messages.
void PrintTo(const QPoint& p, std::ostream* os);
void PrintTo(const QSize& s, std::ostream* os);
void PrintTo(const QRect& r, std::ostream* os);
