#include "TfrmMediaR.h"

#include "ApplySkin.h"
#include "MediaPictures.h"
#include "PictureBox.h"
#include "PlayerGeometry.h"
#include "QtAudioInput.h"
#include "QtMediaClock.h"
#include "QtMediaPlayer.h"
#include "ShellContext.h"
#include "SkinWindow.h"
#include "TAALabel.h"
#include "TLumResButton.h"

#include <QMouseEvent>
#include <QPainter>
#include <QVideoWidget>

namespace {

TLumResButton* glyphButton(QWidget* parent, const char* name, const QImage& glyph)
{
    auto* b = new TLumResButton(parent);
    b->setObjectName(QLatin1String(name));
    b->setRozmiar(TRozmiar::rozUndefined);
    b->setShowCaption(false);
    b->setCaption(QString());
    b->setGlyph(glyph);
    b->resize(glyph.size());
    return b;
}

PictureBox* picture(QWidget* parent, const char* name, const QImage& image)
{
    auto* p = new PictureBox(parent, name);
    p->setStretch(true);
    p->setReportsMouse(true);
    p->setPicture(image);
    p->resize(image.size());
    return p;
}

} // namespace

TfrmMediaR::TfrmMediaR(ShellContext& ctx, MediaDevices devices, QWidget* parent) : QWidget(parent), m_ctx(ctx)
{
    SetupSkinWindow(this);
    setWindowFlag(Qt::WindowStaysOnTopHint, true);
    setWindowFlag(Qt::Tool, true);
    setObjectName(QStringLiteral("frmMediaR"));
    buildControls();

    if (!devices.clock) {
        m_ownClock = std::make_unique<QtMediaClock>();
        devices.clock = m_ownClock.get();
    }
    if (!devices.player) {
        m_ownPlayer = std::make_unique<QtMediaPlayer>(videoView);
        devices.player = m_ownPlayer.get();
    }
    if (!devices.microphone) {
        m_ownMicrophone = std::make_unique<QtAudioInput>();
        devices.microphone = m_ownMicrophone.get();
    }
    m_clock = devices.clock;
    m_mci = std::make_unique<MciRecorder>(*devices.microphone, *m_clock);
    m_recorder = std::make_unique<VoiceRecorder>(*m_mci, ctx.messages);
    m_player = std::make_unique<SharedPlayer>(*devices.player, *m_clock, ctx.messages,
                                              static_cast<IPlayerWindow&>(*this));

    connect(btnPlay, &TLumResButton::clicked, this, [this] { m_player->ResumeOrPlay(); });
    connect(btnPause, &TLumResButton::clicked, this, [this] { m_player->TogglePause(); });
    connect(btnStop, &TLumResButton::clicked, this, [this] { m_player->StopPlayback(); });
    connect(btnClose, &TLumResButton::clicked, this, [this] {
        m_player->StopPlayback();
        hide();
    });
    connect(Suwak, &PictureBox::pressed, this, &TfrmMediaR::sliderPressed);
    connect(Suwak, &PictureBox::moved, this, &TfrmMediaR::sliderMoved);
    connect(Suwak, &PictureBox::released, this, [this] { sliderReleased(); });
    for (PictureBox* track : {Pasek_Tlo, Pasek})
        connect(track, &PictureBox::pressed, this, [this](QPoint at) { m_player->ClickTrack(at.x()); });
    for (int k = 1; k <= RecordingMarks::MaxMarks; ++k)
        connect(osoba[k - 1], &PictureBox::pressed, this, [this, k] { m_player->ChooseMark(k); });

    LayoutForMode(PlaybackMode::Audio, {});
    ApplySkin(this, ctx.skin);
}

TfrmMediaR::~TfrmMediaR()
{
    // The player and recorder stop their devices before the devices go.
    m_player.reset();
    m_recorder.reset();
    m_mci.reset();
}

void TfrmMediaR::buildControls()
{
    IMG_Tlo = picture(this, "IMG_Tlo", MediaPictures::VideoBackground());
    IMG_Tlo2 = picture(this, "IMG_Tlo2", MediaPictures::SoundBackground());
    for (PictureBox* bg : {IMG_Tlo, IMG_Tlo2})
        bg->setAttribute(Qt::WA_TransparentForMouseEvents); // presses reach the window: they drag it

    DisplayArea_MPG = new QWidget(this);
    DisplayArea_MPG->setObjectName(QStringLiteral("DisplayArea_MPG"));
    DisplayArea_MPG->setGeometry(PlayerDisplayArea());
    DisplayArea_MPG->setAutoFillBackground(true);
    QPalette black = DisplayArea_MPG->palette();
    black.setColor(QPalette::Window, Qt::black);
    DisplayArea_MPG->setPalette(black);
    videoView = new QVideoWidget(DisplayArea_MPG);
    videoView->setObjectName(QStringLiteral("videoView"));
    videoView->setGeometry(QRect(QPoint(0, 0), PlayerDisplayArea().size()));

    btnPlay = glyphButton(this, "btnPlay", MediaPictures::PlayGlyph());
    btnPause = glyphButton(this, "btnPause", MediaPictures::PauseGlyph());
    btnStop = glyphButton(this, "btnStop", MediaPictures::StopGlyph());
    btnClose = glyphButton(this, "btnClose", MediaPictures::CloseGlyph());
    btnClose->move(313, 1);

    Pasek_Tlo = picture(this, "Pasek_Tlo", MediaPictures::Track());
    Pasek = picture(this, "Pasek", QImage());
    Pasek->resize(0, PlayerTrack::BarHeight);
    Suwak = picture(this, "Suwak", MediaPictures::Slider());
    for (int k = 1; k <= RecordingMarks::MaxMarks; ++k) {
        osoba[k - 1] = picture(this, QStringLiteral("osoba_%1").arg(k).toLatin1().constData(), MediaPictures::Mark(k));
        osoba[k - 1]->setCursor(Qt::PointingHandCursor);
        osoba[k - 1]->hide();
    }
    P1 = MediaPictures::BarLeft();
    P2 = MediaPictures::BarMiddle();
    P3 = MediaPictures::BarRight();

    lblCzas = new TAALabel(this);
    lblCzas->setObjectName(QStringLiteral("lblCzas"));
    lblCzas->hide();
}

void TfrmMediaR::LayoutForMode(PlaybackMode mode, const RecordingMarks& marks)
{
    m_layoutMode = mode;
    const PlayerLayout l = PlayerLayoutFor(mode);
    setFixedSize(l.client);
    IMG_Tlo->setGeometry(QRect(QPoint(0, 0), IMG_Tlo->picture().size()));
    IMG_Tlo2->setGeometry(QRect(QPoint(0, 0), IMG_Tlo2->picture().size()));
    IMG_Tlo->setVisible(l.video);
    DisplayArea_MPG->setVisible(l.video);
    IMG_Tlo2->setVisible(!l.video);
    IMG_Tlo->lower();
    IMG_Tlo2->lower();
    btnPlay->move(l.btnPlay);
    btnPause->move(l.btnPause);
    btnStop->move(l.btnStop);
    Suwak->move(l.suwak);
    Pasek_Tlo->move(l.pasek);
    Pasek->move(l.pasek);
    Suwak->raise();
    for (int k = 1; k <= RecordingMarks::MaxMarks; ++k) {
        PictureBox* mark = osoba[k - 1];
        mark->setVisible(k <= marks.count());
        if (k <= marks.count()) {
            mark->setGeometry(MarkButtonRect(k, marks.count(), l.pasek.y()));
            mark->setToolTip(QString::number(marks.seconds[k - 1]) + QStringLiteral(" s"));
        }
    }
}

void TfrmMediaR::ShowPlayer()
{
    show(); // always on top: no need to raise it
}

void TfrmMediaR::HidePlayer()
{
    hide();
}

void TfrmMediaR::ShowProgress(int sliderLeft, int barWidth)
{
    if (m_draggingSlider)
        return; // the pointer holds the slider
    Suwak->move(sliderLeft, Suwak->y());
    Pasek->resize(std::max(0, barWidth), PlayerTrack::BarHeight);
    paintBar();
}

// The bar: the background's strip under the track scaled into the bar, then
// the left cap, the stretched middle and the right cap.
void TfrmMediaR::paintBar()
{
    const int w = Pasek->width();
    if (w <= 0) {
        Pasek->setPicture(QImage());
        return;
    }
    QImage bar(w, PlayerTrack::BarHeight, QImage::Format_ARGB32_Premultiplied);
    bar.fill(Qt::transparent);
    QPainter p(&bar);
    const QImage& bg = (m_layoutMode == PlaybackMode::Video ? IMG_Tlo : IMG_Tlo2)->picture();
    p.drawImage(bar.rect(), bg, QRect(Pasek_Tlo->pos(), QSize(PlayerTrack::Length, PlayerTrack::BarHeight)));
    p.drawImage(QRect(0, 0, std::min(2, w), 6), P1);
    if (w > 4)
        p.drawImage(QRect(2, 0, w - 4, 6), P2);
    if (w >= 2)
        p.drawImage(QRect(w - 2, 0, 2, 6), P3);
    p.end();
    Pasek->setPicture(bar);
    Pasek->raise();
    Suwak->raise();
}

void TfrmMediaR::sliderPressed(QPoint at)
{
    m_draggingSlider = true;
    m_sliderGrab = at.x();
    m_player->BeginSliderDrag();
}

void TfrmMediaR::sliderMoved(QPoint at)
{
    if (!m_draggingSlider)
        return;
    const int left = ClampSliderLeft(Suwak->x() + at.x() - m_sliderGrab);
    Suwak->move(left, Suwak->y());
    Pasek->resize(std::max(0, BarWidthFor(left)), PlayerTrack::BarHeight);
    paintBar();
}

void TfrmMediaR::sliderReleased()
{
    if (!m_draggingSlider)
        return;
    m_draggingSlider = false;
    m_player->EndSliderDrag(Suwak->x());
}

void TfrmMediaR::mousePressEvent(QMouseEvent* e)
{
    if (e->button() != Qt::LeftButton)
        return;
    m_draggingWindow = true;
    m_dragStart = e->globalPosition().toPoint();
    m_windowStart = pos();
}

void TfrmMediaR::mouseMoveEvent(QMouseEvent* e)
{
    if (m_draggingWindow)
        move(m_windowStart + e->globalPosition().toPoint() - m_dragStart);
}

void TfrmMediaR::mouseReleaseEvent(QMouseEvent*)
{
    m_draggingWindow = false;
}
