#include "PlaybackMode.h"

#include "WinPath.h"

std::optional<PlaybackMode> PlaybackModeForFile(const QString& path)
{
    const QString name = WinFileName(path);
    const qsizetype dot = name.lastIndexOf(u'.');
    if (dot < 0)
        return std::nullopt;
    const QStringView ext = QStringView(name).mid(dot);
    if (ext == u".wav" || ext == u".mp3")
        return PlaybackMode::Audio;
    if (ext == u".mpg" || ext == u".wmv")
        return PlaybackMode::Video;
    if (ext == u".ogg")
        return PlaybackMode::Ogg;
    return std::nullopt;
}
