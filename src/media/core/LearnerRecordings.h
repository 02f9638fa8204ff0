#pragma once

#include "Failure.h"

#include <QString>
#include <QStringList>

#include <functional>

class IAudioOutput;
class SharedPlayer;
struct Installation;

// Where a learner's recordings live: AppDir\Users\<id>_Media_temp while an
// exercise works with them, AppDir\Users\<id>_Media_arch for the dialogue
// lines the learner chose to keep. Both folders are made with the profile.
enum class RecordingFolder { Temporary, Archive };

// The folder itself.
QString UserRecordingFolder(const Installation& inst, int userId, RecordingFolder folder);

// The folder followed by "\usr_" and `name`, used as given (with or without an
// extension), resolved on disk.
QString UserRecordingPath(const Installation& inst, int userId, const QString& name, RecordingFolder folder);

// What closing the dialogue presentation does with the recordings of its lines
// (`names`: the media file name of each line). With `archive` on, each line's
// temporary recording that exists replaces its archived one; then every
// temporary recording is deleted. The replacement is one rename, so the old
// archived recording stays until the new one is in place. A recording that
// cannot be moved stays in the temporary folder instead of being deleted, and
// the failure names it (the other lines are still done).
Status ArchiveDialogueRecordings(const Installation& inst, int userId, bool archive, const QStringList& names);

// A learner's recording (a WAVE file), played without waiting; a new sound
// stops the one sounding. False when the file cannot be played.
bool PlayRecording(IAudioOutput& audio, const QString& path);

// The same, waiting until the sound has played: the pronunciation trainer
// plays its model and the learner's attempt this way. `pump` runs pending
// events while waiting (the output is fed from the event loop); the wait ends
// at the latest a few seconds after the sound's own length, so a stalled
// device cannot hang the program. False when the file cannot be played.
bool PlayRecordingSync(IAudioOutput& audio, const QString& path, const std::function<void()>& pump);

// Everything stops: the shared player closes (ClosePlayer) and the sound of
// PlayRecording or a skin sound is stopped. The navigation window does this
// when the learner leaves an exercise.
void StopAllSound(SharedPlayer& player, IAudioOutput& audio);
