#include "TDane.h"

QString WordClassName(int index)
{
    // Built once and shared by every entry of a class.
    static const QString names[] = {QStringLiteral("n"),       QStringLiteral("adj"),      QStringLiteral("v"),
                                    QString(),                 QStringLiteral("loc"),      QStringLiteral("adv"),
                                    QStringLiteral("II form"), QStringLiteral("III form"), QString()};
    if (index < 1 || index > 9)
        return {};
    return names[index - 1];
}
