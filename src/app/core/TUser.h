#pragma once

#include <QString>

// One learner's profile, as a line of the user list describes it.
//
// `Figure` has two forms. In a record parsed from the list it is the file value
// plus 1 (11..16, 21..26), the number in the figure's skin image name. In a
// record handed over by the profile window, and in what FormatUserLine writes,
// it is the file value itself: a style base (10 or 20) plus a colour position
// 0..5. Convert with FigureFileForm before writing a parsed record back.
struct TUser {
    qint32 Id = 0;        // 1 or more; names the learner's files and folders
    QString Login;        // 1..15 characters, trimmed
    QString Gender;       // "K" (woman) or "M" (man)
    quint8 Figure = 0;    // see above
    bool HasPassword = false;
    QString Password;     // 3..30 of A-Z a-z 0-9 when HasPassword; otherwise ignored

    bool operator==(const TUser&) const = default;
};

// The file form of a figure held in memory form (parsed from the list).
inline quint8 FigureFileForm(quint8 memoryFigure) { return quint8(memoryFigure - 1); }

// The skin image of a parsed profile's figure: "C" + Gender + Figure, e.g. "CK13".
inline QString FigureImageName(const TUser& user)
{
    return QStringLiteral("C") + user.Gender + QString::number(user.Figure);
}
