#include "MediaButtons.h"

#include "Installation.h"

#include <QFileInfo>

namespace {

MediaButtonSetup lookFor(const Installation& inst, const QString& folder, const QString& name, const QString& checked,
                         int currentTag)
{
    MediaButtonSetup s;
    s.tag = currentTag;
    s.path = inst.mediaPath(QStringLiteral("\\%1\\%2").arg(folder, checked));
    s.visible = !name.isEmpty() && QFileInfo(s.path).isFile();
    return s;
}

} // namespace

MediaButtonSetup ResolveTextMedia(const Installation& inst, const QString& name, int currentTag)
{
    QString checked = name;
    if (checked.endsWith(QLatin1String(".wmv")))
        checked = checked.chopped(4) + QStringLiteral(".mpg");
    MediaButtonSetup s = lookFor(inst, QStringLiteral("Teksty"), name, checked, currentTag);
    if (!s.visible)
        return s;
    const QString ending = name.right(3);
    if (ending == u"wav" || ending == u"mp3") {
        s.tag = 2;
        s.picture = MediaPicture::Sound;
        s.captionText = MediaButtonText::Listen;
        return s;
    }
    s.picture = MediaPicture::Video;
    s.captionText = MediaButtonText::Watch;
    if (ending == u"mpg" || ending == u"wmv")
        s.tag = 1;
    else if (ending == u"swf")
        s.tag = 3;
    return s;
}

MediaButtonSetup ResolveSentenceMedia(const Installation& inst, const QString& name, int currentTag)
{
    MediaButtonSetup s = lookFor(inst, QStringLiteral("Zdania"), name, name, currentTag);
    if (!s.visible)
        return s;
    const QString ending = name.right(3);
    if (ending == u"wav") {
        s.tag = 2;
        s.picture = MediaPicture::Sound;
        s.captionText = MediaButtonText::Listen;
    } else if (ending == u"mpg" || ending == u"swf") {
        s.tag = ending == u"mpg" ? 1 : 3;
        s.picture = MediaPicture::Video;
        s.captionText = MediaButtonText::Watch;
    }
    return s;
}
