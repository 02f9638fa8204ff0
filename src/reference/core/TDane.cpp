#include "TDane.h"

QString WordClassName(int index)
{
    static const char* const names[] = {"n", "adj", "v", "", "loc", "adv", "II form", "III form", ""};
    if (index < 1 || index > 9)
        return {};
    return QString::fromLatin1(names[index - 1]);
}
