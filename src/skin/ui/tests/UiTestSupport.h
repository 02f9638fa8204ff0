#pragma once

#include "RecordingSkin.h"
#include "SkinCanvas.h"
#include "WidgetTestApp.h"

#include <QImage>
#include <QString>
#include <QTest>
#include <QWidget>

#include <ostream>
#include <vector>

namespace uitest {

// Paints `w` offscreen while a paint log records, and returns what `w` itself
// drew (children are not included).
std::vector<SkinDrawn> paintLog(QWidget& w);

// The skin-picture and own-picture items of a paint, as "NAME@x,y" for pictures
// drawn at their size and "NAME[x,y wxh]" for stretched ones, in drawing order.
QStringList placements(const std::vector<SkinDrawn>& items);

// The first item of the log with that name (a failed expectation when none).
SkinDrawn item(const std::vector<SkinDrawn>& items, const QString& name);

// A picture of a given size in one colour.
QImage picture(int w, int h, QColor c = Qt::blue);

} // namespace uitest
