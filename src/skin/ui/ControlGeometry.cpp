#include "ControlGeometry.h"

#include <algorithm>
#include <cmath>

QString ChartPictureName(int wynik)
{
    if (wynik <= 0)
        return QStringLiteral("WYKRES_00");
    if (wynik < 10)
        return QStringLiteral("WYKRES_05");
    if (wynik < 100)
        return QStringLiteral("WYKRES_%1").arg(wynik / 5 * 5);
    return QStringLiteral("WYKRES_100");
}

std::optional<int> NotebookNumberX(int value)
{
    if (value < 10)
        return 34;
    if (value < 100)
        return 25;
    if (value <= 1000)
        return 14;
    return std::nullopt;
}

QRect BubbleRect(int x, int y, int width, int textBottom)
{
    const int height = textBottom + 18;
    return QRect(x - 4, y - height - 4, width, height);
}

int ProgressBarWidth(int n, int total)
{
    if (total <= 0)
        return 0;
    const double w = std::nearbyint(double(n) / total * 200.0);
    return std::clamp(int(w), 0, 200);
}
