#pragma once

#include "IPlayerWindow.h"
#include "MciRecorder.h"
#include "SharedPlayer.h"
#include "VoiceRecorder.h"

#include <QImage>
#include <QPoint>
#include <QWidget>

#include <array>
#include <memory>

class IAudioInput;
class IMediaClock;
class IMediaPlayer;
class PictureBox;
class QVideoWidget;
class TAALabel;
class TLumResButton;
struct ShellContext;

// The devices the player window works with. Those left null are made by the
// window: QtMediaPlayer showing video in DisplayArea_MPG, the wall clock, the
// default microphone.
struct MediaDevices {
    IMediaPlayer* player = nullptr;
    IMediaClock* clock = nullptr;
    IAudioInput* microphone = nullptr;
};

// frmMediaR, the window of the shared player and recorder: created once at
// start-up, always on top, shown while a video plays or a caller asks for it,
// hidden otherwise. It owns the SharedPlayer and the VoiceRecorder everyone
// uses and forwards its controls to them: play, pause, stop, the slider, a
// click on the track, the five mark buttons; dragging either background moves
// the window.
class TfrmMediaR final : public QWidget, private IPlayerWindow {
    Q_OBJECT
public:
    explicit TfrmMediaR(ShellContext& ctx, MediaDevices devices = {}, QWidget* parent = nullptr);
    ~TfrmMediaR() override;

    SharedPlayer& player() { return *m_player; }
    VoiceRecorder& recorder() { return *m_recorder; }
    IMediaClock& clock() { return *m_clock; }

    // The operations every window calls (see SharedPlayer and VoiceRecorder).
    void PlayFile(const QString& path, bool showWindow) { m_player->PlayFile(path, showWindow); }
    void EnqueueFile(const QString& path) { m_player->EnqueueFile(path); }
    void ClearQueue() { m_player->ClearQueue(); }
    void PlayQueue(bool showWindow) { m_player->PlayQueue(showWindow); }
    void StopPlayback() { m_player->StopPlayback(); }
    void TogglePause() { m_player->TogglePause(); }
    void ResumeOrPlay() { m_player->ResumeOrPlay(); }
    void ClosePlayer() { m_player->ClosePlayer(); }
    void SetRecordingMarks(const QString& marks) { m_player->SetRecordingMarks(marks); }
    void setOnQueueDone(std::function<void()> handler) { m_player->OnQueueDone = std::move(handler); }
    bool StartRecording(const QString& path) { return m_recorder->StartRecording(path); }
    void StopRecording(bool save) { m_recorder->StopRecording(save); }

    // Controls, by their form names.
    PictureBox* IMG_Tlo;
    PictureBox* IMG_Tlo2;
    QWidget* DisplayArea_MPG;
    QVideoWidget* videoView;
    TLumResButton* btnPlay;
    TLumResButton* btnPause;
    TLumResButton* btnStop;
    TLumResButton* btnClose;
    PictureBox* Suwak;
    PictureBox* Pasek_Tlo;
    PictureBox* Pasek; // paints the bar itself (P1, P2, P3 over the track's strip)
    std::array<PictureBox*, RecordingMarks::MaxMarks> osoba;
    TAALabel* lblCzas; // hidden
    QImage P1, P2, P3;

protected:
    void mousePressEvent(QMouseEvent* e) override;
    void mouseMoveEvent(QMouseEvent* e) override;
    void mouseReleaseEvent(QMouseEvent* e) override;

private:
    void LayoutForMode(PlaybackMode mode, const RecordingMarks& marks) override;
    void ShowPlayer() override;
    void HidePlayer() override;
    void ShowProgress(int sliderLeft, int barWidth) override;

    void buildControls();
    void paintBar();
    void sliderPressed(QPoint at);
    void sliderMoved(QPoint at);
    void sliderReleased();

    ShellContext& m_ctx;
    std::unique_ptr<IMediaPlayer> m_ownPlayer;
    std::unique_ptr<IMediaClock> m_ownClock;
    std::unique_ptr<IAudioInput> m_ownMicrophone;
    IMediaClock* m_clock = nullptr;
    std::unique_ptr<MciRecorder> m_mci;
    std::unique_ptr<VoiceRecorder> m_recorder;
    std::unique_ptr<SharedPlayer> m_player;

    PlaybackMode m_layoutMode = PlaybackMode::Audio;
    QImage m_barPicture;       // what Pasek shows
    bool m_draggingSlider = false;
    int m_sliderGrab = 0;      // the pointer's x in the slider when pressed
    bool m_draggingWindow = false;
    QPoint m_dragStart;        // pointer, global
    QPoint m_windowStart;
};
