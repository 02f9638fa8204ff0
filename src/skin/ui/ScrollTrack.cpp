#include "ScrollTrack.h"

#include <algorithm>
#include <cmath>

int ScrollTrack::freeLength() const
{
    return length - 2 * button - thumb - gap;
}

int ScrollTrack::thumbStart(int position) const
{
    const int first = button + gap;
    if (max <= min)
        return first;
    return first + int(std::nearbyint(double(freeLength()) / (max - min) * (position - min)));
}

int ScrollTrack::positionAt(int start) const
{
    const int free = freeLength();
    if (max <= min || free <= 0)
        return min;
    const double p = min + double(start - button - gap) * (max - min) / free;
    return std::clamp(int(std::nearbyint(p)), min, max);
}

ScrollTrack::Part ScrollTrack::hit(int along, int position) const
{
    if (along < button)
        return Part::FirstArrow;
    if (along >= length - button)
        return Part::SecondArrow;
    const int t = thumbStart(position);
    if (along < t)
        return Part::TrackBefore;
    if (along < t + thumb)
        return Part::Thumb;
    return Part::TrackAfter;
}

int ScrollTrack::autoThumb(int minThumb) const
{
    return std::max(minThumb, length - 2 * button - gap - (max - min));
}
