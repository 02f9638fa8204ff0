#pragma once

#include <QObject>
#include <QString>

class HoldToRecord;
class IAudioOutput;

// Connects a record control (a record button, a grammar table's record mark)
// to press-and-hold recording: a left press arms it, the release ends it. The
// filter belongs to the control and must not outlive `hold`.
void AttachHoldToRecord(QObject* control, HoldToRecord& hold);

// A learner's recording played to its end before returning, with the
// hourglass pointer while it sounds, as the pronunciation trainer plays its
// model and the learner's attempt. Input events wait until it has played.
// False when the file cannot be played.
bool PlayRecordingWaiting(IAudioOutput& audio, const QString& path);
