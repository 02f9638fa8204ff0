#include "PlayerGeometry.h"

#include <algorithm>
#include <cmath>

PlayerLayout PlayerLayoutFor(PlaybackMode mode)
{
    if (mode == PlaybackMode::Video)
        return {QSize(360, 363), QPoint(10, 315), QPoint(52, 322), QPoint(82, 322), QPoint(118, 315),
                QPoint(118, 333), true};
    return {QSize(360, 74), QPoint(10, 26), QPoint(52, 33), QPoint(82, 33), QPoint(118, 26), QPoint(118, 44), false};
}

int SliderLeftFor(qint64 positionMs, qint64 lengthMs)
{
    if (lengthMs <= 0)
        return PlayerTrack::Left;
    const double fraction = std::clamp(double(positionMs) / double(lengthMs), 0.0, 1.0);
    return PlayerTrack::Left + int(std::lround(fraction * PlayerTrack::Travel));
}

int ClampSliderLeft(int left)
{
    return std::clamp(left, PlayerTrack::Left - 3, PlayerTrack::Left + PlayerTrack::Travel);
}

qint64 SeekTargetFor(int sliderLeft, qint64 lengthMs)
{
    const double q = std::round(double(lengthMs) * double(sliderLeft - PlayerTrack::Left) / PlayerTrack::Travel);
    return std::max<qint64>(0, qint64(q));
}

QRect MarkButtonRect(int k, int count, int trackTop)
{
    using namespace PlayerTrack;
    return QRect(LastMarkLeft - (count - k) * (MarkWidth + MarkGap), trackTop + 12, MarkWidth, MarkHeight);
}
