#pragma once

#include <QImage>
#include <QString>

#include <optional>

// The picture families of the sample skin, one drawing file each. Each returns
// nothing for a name outside its families.
std::optional<QImage> DrawButtonPicture(const QString& name);  // G0x faces, BB, TAB, TAB_SELKO, PACZKA_NAVI, BLUE_ARROW
std::optional<QImage> DrawChromePicture(const QString& name);  // BELKA_*, DIAL*, MSG_ICON_*
std::optional<QImage> DrawFramePicture(const QString& name);   // RAMKA1..6
std::optional<QImage> DrawPanelPicture(const QString& name);   // WYKRES_*, ZESZYT_*, DYMEK_*
std::optional<QImage> DrawFigurePicture(const QString& name);  // C<gender><n>, BELKA_LUDZIK_*, COLOR<n>

// Shared with the title bar: a user figure drawn into `box` (60 × 59 design).
class QPainter;
class QRectF;
void PaintUserFigure(QPainter& p, const QRectF& box, bool woman, int figure);
