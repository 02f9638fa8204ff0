#include "AppVersion.h"

QString ProgramVersionDigits()
{
    return QStringLiteral("%1%2%3%4")
        .arg(ORVANTA_VERSION_MAJOR)
        .arg(ORVANTA_VERSION_MINOR)
        .arg(ORVANTA_VERSION_PATCH)
        .arg(ORVANTA_VERSION_TWEAK);
}
