#include "LearnerRecordings.h"

#include "IAudioOutput.h"
#include "Installation.h"
#include "SharedPlayer.h"
#include "WavPcm.h"
#include "WinPath.h"

#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>

#include <cstdio>

QString UserRecordingFolder(const Installation& inst, int userId, RecordingFolder folder)
{
    const QString kind = folder == RecordingFolder::Temporary ? QStringLiteral("Media_temp")
                                                              : QStringLiteral("Media_arch");
    return WinJoin(inst.appDir, QStringLiteral("\\Users\\%1_%2").arg(userId).arg(kind));
}

QString UserRecordingPath(const Installation& inst, int userId, const QString& name, RecordingFolder folder)
{
    return WinJoin(UserRecordingFolder(inst, userId, folder), QStringLiteral("usr_") + name);
}

Status ArchiveDialogueRecordings(const Installation& inst, int userId, bool archive, const QStringList& names)
{
    QStringList kept;
    for (const QString& name : names) {
        const QString temp = UserRecordingPath(inst, userId, name, RecordingFolder::Temporary);
        if (!QFileInfo(temp).isFile())
            continue;
        if (archive) {
            const QString arch = UserRecordingPath(inst, userId, name, RecordingFolder::Archive);
            // rename() replaces the old archived recording in one step.
            if (std::rename(QFile::encodeName(temp).constData(), QFile::encodeName(arch).constData()) != 0) {
                kept << WinFileName(temp);
                continue;
            }
        }
        QFile::remove(temp);
    }
    if (kept.isEmpty())
        return {};
    return Failure::error(QStringLiteral("Nie udało się zarchiwizować nagrań: %1. Zostały w folderze nagrań "
                                         "tymczasowych.")
                              .arg(kept.join(QStringLiteral(", "))),
                          UserRecordingFolder(inst, userId, RecordingFolder::Archive));
}

bool PlayRecording(IAudioOutput& audio, const QString& path)
{
    return audio.playFile(ResolveWinPath(path));
}

bool PlayRecordingSync(IAudioOutput& audio, const QString& path, const std::function<void()>& pump)
{
    const QString resolved = ResolveWinPath(path);
    QFile f(resolved);
    if (!f.open(QIODevice::ReadOnly))
        return false;
    const QByteArray wav = f.readAll();
    const auto pcm = WavPcm::parse(wav);
    if (!pcm || !audio.playWav(wav))
        return false;
    const qint64 deadline = pcm->durationMs() + 3000;
    QElapsedTimer waited;
    waited.start();
    while (audio.isPlaying() && waited.elapsed() < deadline) {
        if (pump)
            pump();
    }
    if (audio.isPlaying())
        audio.stop();
    return true;
}

void StopAllSound(SharedPlayer& player, IAudioOutput& audio)
{
    player.ClosePlayer();
    audio.stop();
}
