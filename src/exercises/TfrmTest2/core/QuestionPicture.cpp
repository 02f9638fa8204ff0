#include "QuestionPicture.h"

#include "WinPath.h"

QuestionPicture FindQuestionPicture(const QString& appDir, const QString& exercisePath, int number)
{
    QString name = WinFileName(exercisePath);
    const qsizetype dot = name.lastIndexOf(u'.');
    if (dot >= 0)
        name.truncate(dot);
    static const struct {
        const char* letter;
        PicturePlacement placement;
    } kinds[] = {{"L", PicturePlacement::Left},
                 {"R", PicturePlacement::Right},
                 {"T", PicturePlacement::Top},
                 {"B", PicturePlacement::Bottom}};
    for (const auto& k : kinds) {
        const QString file = QStringLiteral("%1_%2_%3.png").arg(name).arg(number).arg(QLatin1String(k.letter));
        const QString path = WinJoin(appDir, QStringLiteral("\\Gfx\\Test_gfx\\") + file);
        if (WinFileExists(path))
            return {path, k.placement};
    }
    return {};
}
