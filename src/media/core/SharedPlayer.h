#pragma once

#include "IMediaClock.h"
#include "IMediaPlayer.h"
#include "IPlayerWindow.h"
#include "PlaybackMode.h"
#include "RecordingMarks.h"

#include <QString>
#include <QStringList>

#include <functional>
#include <memory>

class IMessageService;

// The playing half of the shared player and recorder: one media file at a
// time, a play queue with a completion handler, the recording marks, and the
// 100 ms progress tick that moves the slider and notices the end of a file.
// Every exercise window, the dialogue presentation, the speech analyzer and the
// help viewer play through the one instance the player window owns.
//
// Runs on the interface thread. The device, clock, message service and window
// are not owned and must outlive the player.
class SharedPlayer final {
public:
    static constexpr int TickMs = 100;

    SharedPlayer(IMediaPlayer& device, IMediaClock& clock, IMessageService& messages, IPlayerWindow& window);
    ~SharedPlayer();

    // Stops what plays and starts `path` (a full path). A ".wmv" file always
    // shows the window; otherwise the window is shown when `showWindow` is set
    // (and left as it is when not).
    void PlayFile(const QString& path, bool showWindow);
    // Appends a full path to the play queue; nothing starts.
    void EnqueueFile(const QString& path);
    void ClearQueue();
    // Starts the first queued file (taking it off the queue); each file that
    // ends starts the next, and the end of the last calls OnQueueDone. A file
    // that is missing or cannot be played ends the chain after its message:
    // nothing further plays and OnQueueDone is not called.
    void PlayQueue(bool showWindow);
    // Stops playing and puts the slider and bar back to the start. Nothing
    // happens while nothing plays.
    void StopPlayback();
    // Pauses a playing file, resumes a paused one.
    void TogglePause();
    // Resumes a paused file; otherwise plays the current file from its start.
    void ResumeOrPlay();
    // What every exercise window calls when it closes or restarts: forgets the
    // completion handler, stops, closes the device, drops the marks, empties
    // the play queue and hides the window.
    void ClosePlayer();
    // The marks of the next file (see ParseRecordingMarks); callers set them
    // before PlayFile.
    void SetRecordingMarks(const QString& marks);
    // Mark button k (1 … count): plays from its start second.
    void ChooseMark(int k);

    // Called when a file ends and the queue is empty, until ClosePlayer. The
    // dialogue presentation sets it before each PlayQueue.
    std::function<void()> OnQueueDone;

    // The slider: pressing it holds the progress tick while a file plays; a
    // release at `sliderLeft` seeks there (while playing) and ticks again.
    void BeginSliderDrag();
    void EndSliderDrag(int sliderLeft);
    // A click `x` pixels into the track or the bar: the slider goes there and
    // the file plays from that place; the tick keeps its state.
    void ClickTrack(int x);

    // The 100 ms tick (public for the window's tests; the timer calls it).
    void ProgressTick();

    PlaybackMode mode() const { return m_mode; }
    bool playing() const { return m_playing; }
    bool showWindowFlag() const { return m_showWindow; }
    const QStringList& queue() const { return m_queue; }
    const RecordingMarks& marks() const { return m_marks; }
    const QString& currentFile() const { return m_current; }
    bool tickRunning() const { return m_timer->isActive(); }
    int sliderLeft() const { return m_sliderLeft; }
    int barWidth() const { return m_barWidth; }
    // The device's position and length, for the speech analyzer's marker.
    qint64 positionMs() const { return m_device.positionMs(); }
    qint64 lengthMs() const { return m_device.lengthMs(); }

private:
    bool checkFile(const QString& path);
    bool startFile(const QString& path);
    void seekAndPlay(qint64 ms);
    void showProgress(int sliderLeft, int barWidth);
    void deviceFailed(const Failure& failure);

    IMediaPlayer& m_device;
    IMessageService& m_messages;
    IPlayerWindow& m_window;
    std::unique_ptr<ITimer> m_timer;

    PlaybackMode m_mode = PlaybackMode::Audio;
    bool m_playing = false;
    bool m_showWindow = false;
    QStringList m_queue;
    RecordingMarks m_marks;
    QString m_current;
    int m_sliderLeft = 0;
    int m_barWidth = 0;
};
