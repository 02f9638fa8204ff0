#include "TfrmCwiczenie.h"

#include "ApplySkin.h"
#include "ExerciseMessages.h"
#include "ExerciseText.h"
#include "FormPictures.h"
#include "IPrintService.h"
#include "PictureBox.h"
#include "ShellContext.h"
#include "SkinWindow.h"
#include "SmoothText.h"
#include "TAALabel.h"
#include "TALScrollBar.h"
#include "TLumBelka.h"
#include "TLumDymek.h"
#include "TLumProgress.h"
#include "TLumResButton.h"
#include "TLumZeszytStatystyki.h"
#include "TMyHint.h"
#include "TfrmHelp.h"
#include "TfrmMediaR.h"
#include "TfrmNawigacja.h"
#include "UserConfig.h"
#include "WinPath.h"

#include <QApplication>
#include <QCloseEvent>
#include <QDir>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPainter>
#include <QTimer>
#include <QWheelEvent>

namespace {

const char* const HintProperty = "orvantaMarkupHint";
constexpr int TitleBarHeight = 50;

TLumResButton* frameButton(QWidget* parent, const char* name, const QRect& geometry)
{
    auto* b = new TLumResButton(parent);
    b->setObjectName(QLatin1String(name));
    b->setRozmiar(TRozmiar::roz32);
    b->setGeometry(geometry);
    b->setFont(SkinFont(QStringLiteral("Trebuchet MS"), 10, true));
    b->setFontColor(Qt::white);
    b->setCaption(QString());
    return b;
}

} // namespace

// The exercise area: a paint box the kind paints through PaintArea.
class TfrmCwiczenie::Area final : public QWidget {
public:
    explicit Area(TfrmCwiczenie& owner) : QWidget(&owner), m_owner(owner)
    {
        setObjectName(QStringLiteral("Obszar"));
        setMouseTracking(true);
    }

protected:
    void paintEvent(QPaintEvent*) override
    {
        QPainter p(this);
        m_owner.paintArea(p);
    }

private:
    TfrmCwiczenie& m_owner;
};

TfrmCwiczenie::TfrmCwiczenie(ExerciseServices& services, ExerciseFrameOptions options, QWidget* parent)
    : QWidget(parent, Qt::Window), m_services(services), m_options(std::move(options))
{
    setObjectName(m_options.formName);
    setWindowRole(m_options.formName); // lets scripts on X11 tell the windows apart
    setAttribute(Qt::WA_DeleteOnClose);
    SetupSkinWindow(this, QSize(1024, 768));
    m_scrollStep = qMax(1, m_options.scrollStep);
    buildControls();
    applyCaptions();
    ApplySkin(this, ctx().skin);
    nav().SetupTitleBar(Belka);
    PickBackground();
    // Form key preview (the frame's keys work whichever control has the
    // focus), and the mouse on the area, the instruction and the buttons with
    // markup hints: eventFilter looks at the events of this window only.
    qApp->installEventFilter(this);
}

TfrmCwiczenie::~TfrmCwiczenie()
{
    if (qApp)
        qApp->removeEventFilter(this);
    if (!HintText().isEmpty() && underMouse())
        HintText().clear();
}

void TfrmCwiczenie::buildControls()
{
    IMG_Tlo = new PictureBox(this, "IMG_Tlo");
    IMG_Tlo->setGeometry(0, TitleBarHeight, 1024, 768 - TitleBarHeight);
    IMG_Tlo->setStretch(true);
    IMG_Tlo->setReportsMouse(true); // a click on the background reaches the kind

    Belka = new TLumBelka(this);
    Belka->setObjectName(QStringLiteral("Belka"));
    Belka->setGeometry(0, 0, 1024, TitleBarHeight);

    Polecenie = new TAALabel(this);
    Polecenie->setObjectName(QStringLiteral("Polecenie"));
    Polecenie->setGeometry(100, 132, 800, 40); // below the sibling buttons
    Polecenie->setWordWrap(true);
    Polecenie->setLabelFont(PixelFont(QStringLiteral("Tahoma"), 15, true));
    Polecenie->setFontColor(QColor(52, 52, 52));
    Polecenie->setCaption(QString());

    auto* area = new Area(*this);
    Obszar = area;
    Obszar->setGeometry(40, 180, 920, 500);

    ScrollBar = new TALScrollBar(this);
    ScrollBar->setObjectName(QStringLiteral("ScrollBar"));
    ScrollBar->setKind(TScrollBarKind::sbVertical);
    ScrollBar->setGeometry(970, 180, 21, 500);
    ScrollBar->setButtonWidth(21);
    ScrollBar->setScrollerWidth(30);
    ScrollBar->setMin(0);
    ScrollBar->setMax(0);
    ScrollBar->setPictures(FormScrollBarPictures());
    ScrollBar->hide();
    connect(ScrollBar, &TALScrollBar::changed, this, [this] { Obszar->update(); });

    btnMedia = frameButton(this, "btnMedia", QRect(40, 60, 45, 45));
    btnMedia->setRozmiar(TRozmiar::rozUndefined);
    btnMedia->setShowCaption(false);
    btnMedia->hide();
    btnMedia2 = frameButton(this, "btnMedia2", QRect(40, 60, 45, 45));
    btnMedia2->setRozmiar(TRozmiar::rozUndefined);
    btnMedia2->setShowCaption(false);
    btnMedia2->hide();

    btnPodrecznik = frameButton(this, "btnPodrecznik", QRect(40, 700, 170, 32));
    btnPodrecznik->hide();
    connect(btnPodrecznik, &TLumResButton::clicked, this, &TfrmCwiczenie::OpenHandbook);
    btnDrukuj = frameButton(this, "btnDrukuj", QRect(220, 700, 150, 32));
    btnDrukuj->setVisible(m_options.hasPrint);
    connect(btnDrukuj, &TLumResButton::clicked, this, &TfrmCwiczenie::Print);
    btnPopraw = frameButton(this, "btnPopraw", QRect(620, 700, 170, 32));
    btnPopraw->hide();
    btnSpr = frameButton(this, "btnSpr", QRect(800, 700, 170, 32));
    connect(btnSpr, &TLumResButton::clicked, this, &TfrmCwiczenie::PressCheckButton);

    Panel_Wynik = new TLumProgress(this);
    Panel_Wynik->setObjectName(QStringLiteral("Panel_Wynik"));
    Panel_Wynik->move(730, 600);
    Panel_Wynik->hide();

    if (m_options.hasStatistics) {
        Statystyki = new TLumZeszytStatystyki(this);
        Statystyki->setObjectName(QStringLiteral("Statystyki"));
        Statystyki->move(840, 180);
    }

    IMG_Dymek = new TLumDymek(this);
    IMG_Dymek->setObjectName(QStringLiteral("IMG_Dymek"));
    IMG_Dymek->hide();

    CheckMsgInfo = new QTimer(this);
    CheckMsgInfo->setObjectName(QStringLiteral("CheckMsgInfo"));
    CheckMsgInfo->setSingleShot(true);
    CheckMsgInfo->setInterval(700);
    connect(CheckMsgInfo, &QTimer::timeout, this, &TfrmCwiczenie::showOneTimeMessage);
}

void TfrmCwiczenie::applyCaptions()
{
    nav().SetButtonGlyph(btnMedia, QStringLiteral("IMG_Glosnik"), 1);
    nav().SetButtonGlyph(btnMedia2, QStringLiteral("IMG_Glosnik"), 1);
    SetMarkupHint(btnMedia, ctx().UiText(4));
    SetMarkupHint(btnMedia2, ctx().UiText(4));
    btnPodrecznik->setCaption(ctx().UiText(120));
    btnDrukuj->setCaption(ctx().UiText(47));
    nav().SetButtonGlyph(btnDrukuj, QStringLiteral("IMG_Drukuj"), 1);
    btnPopraw->setCaption(ctx().UiText(51));
    nav().SetButtonGlyph(btnPopraw, QStringLiteral("IMG_Sprawdz"), 1);
    Panel_Wynik->setTekst(ctx().UiText(46));
    if (Statystyki) {
        Statystyki->setTextPoprawnie(ctx().UiText(104));
        Statystyki->setTextBlednie(ctx().UiText(105));
        Statystyki->setTextOgolnie(ctx().UiText(106));
        Statystyki->setTextStatystyka(ctx().UiText(107));
    }
    setCheckButtonState(0);
}

// ---------------------------------------------------------------------------
// Opening, runs, the check

bool TfrmCwiczenie::Open(const ExerciseOpenRequest& request)
{
    SetExercise(request);
    Reset();
    if (!Load())
        return false;
    nav().AddNavigationBar(this, m_options.navigationFlags);
    StartRun(false);
    show();
    raise();
    activateWindow();
    return true;
}

void TfrmCwiczenie::SetExercise(const ExerciseOpenRequest& request)
{
    m_marks = request.recordingMarks;
    m_path = request.fullPath;
}

void TfrmCwiczenie::Reset()
{
    resetFrame();
    ResetModel();
}

void TfrmCwiczenie::resetFrame()
{
    m_words.Clear();
    Panel_Wynik->hide();
    m_panelTag = 0;
    setCheckButtonState(0);
    ScrollBar->setPosition(0);
    IMG_Dymek->hide();
}

bool TfrmCwiczenie::Load()
{
    const Expected<ExerciseDocument> doc = OpenExerciseFile(m_path, m_options.windowClass);
    if (!doc.ok()) {
        ctx().messages.showFailure(doc.failure());
        return false;
    }
    const Status loaded = GuardedExerciseLoad(m_path, [&] {
        m_title = TitleInLanguage(doc.value().cwiczenie().config().nazwa(), ctx().inst.interfaceLanguage, true);
        LoadModel(doc.value());
    });
    if (!loaded) {
        ctx().messages.showFailure(loaded.failure());
        return false;
    }
    m_loaded = true;
    return true;
}

void TfrmCwiczenie::Release()
{
    if (!m_loaded)
        return;
    m_loaded = false;
    const Status released = GuardedExerciseRelease(m_path, [this] { ReleaseModel(); });
    if (!released)
        ctx().messages.showFailure(released.failure());
}

void TfrmCwiczenie::StartRun(bool reload)
{
    if (reload) {
        Release();
        Reset();
        if (!Load())
            return; // the message is shown; the window stays with what it has
    }
    nav().ResultPending() = false;
    Panel_Wynik->hide();
    m_panelTag = 0;
    setCheckButtonState(0);
    if (Statystyki)
        SetStatistics(0, 0, 0);
    StartRunModel();
    repaintArea();
}

void TfrmCwiczenie::PressCheckButton()
{
    BeforeCheckButton();
    if (checkButtonState() != 0) {
        StartRun(true);
        return;
    }
    if (const QString notice = NoScoreNotice(); !notice.isEmpty()) {
        ctx().messages.showMessageBox(notice, ctx().UiText(59), MsgBoxKind::Notice);
        return;
    }
    ShowResult(ComputeScore());
}

void TfrmCwiczenie::ShowResult(int score)
{
    Panel_Wynik->setWynik(qBound(0, score, 100));
    Panel_Wynik->raise();
    Panel_Wynik->show();
    m_panelTag = 0;
    if (m_services.playSound)
        m_services.playSound(QStringLiteral("WAV_WYNIK"));
    nav().ResultPending() = true;
    nav().RecordResult(this);
    setCheckButtonState(1);
}

int TfrmCwiczenie::checkButtonState() const
{
    return btnSpr->Tag();
}

void TfrmCwiczenie::setCheckButtonState(int state)
{
    btnSpr->setTag(state);
    nav().SetButtonGlyph(btnSpr, state == 0 ? QStringLiteral("IMG_Sprawdz") : QStringLiteral("IMG_JeszczeRaz"), 1);
    btnSpr->setCaption(ctx().UiText(state == 0 ? 41 : 3));
    SetMarkupHint(btnSpr, state == 0 ? QString() : ctx().UiText(3));
}

ResultSources TfrmCwiczenie::ResultSourcesNow() const
{
    ResultSources s;
    s.panelVisible = !Panel_Wynik->isHidden();
    s.panelTag = m_panelTag;
    s.wynik = Panel_Wynik->Wynik();
    s.hasStatistics = Statystyki != nullptr;
    s.xFactor = m_xFactor;
    return s;
}

void TfrmCwiczenie::SetResultPanelTag(int tag)
{
    m_panelTag = tag;
}

QString TfrmCwiczenie::ExerciseTitle() const
{
    return m_title;
}

// ---------------------------------------------------------------------------
// Helpers for the kinds

ShellContext& TfrmCwiczenie::ctx() const
{
    return m_services.ctx;
}

std::mt19937& TfrmCwiczenie::random() const
{
    if (m_services.random)
        return *m_services.random;
    if (!m_ownRandom)
        m_ownRandom = std::make_unique<std::mt19937>(std::random_device{}());
    return *m_ownRandom;
}

int TfrmCwiczenie::scrollOffset() const
{
    return ScrollBar->Position() * m_scrollStep;
}

void TfrmCwiczenie::setScrollStep(int pixels)
{
    m_scrollStep = qMax(1, pixels);
}

void TfrmCwiczenie::FitScrollBar(int contentHeight)
{
    const int h = Obszar->height();
    if (contentHeight <= h) {
        ScrollBar->setMax(0);
        ScrollBar->hide();
        return;
    }
    ScrollBar->setMax((contentHeight - h + m_scrollStep - 1) / m_scrollStep);
    ScrollBar->show();
}

void TfrmCwiczenie::SetResultLine(int done, int total)
{
    if (Statystyki)
        Statystyki->setTextZdanie(ResultLine(ctx().UiText(155), done, total));
}

void TfrmCwiczenie::SetStatistics(int correct, int wrong, int xFactor)
{
    m_xFactor = xFactor;
    if (!Statystyki)
        return;
    Statystyki->setPoprawnie(correct);
    Statystyki->setBlednie(wrong);
    Statystyki->setXFactor(xFactor);
}

void TfrmCwiczenie::SetInstruction(const QString& caption, const QString& translation)
{
    Polecenie->setCaption(caption);
    Polecenie->setHintW(translation);
    m_instructionHint = translation;
}

void TfrmCwiczenie::SetHandbookPage(const QString& page)
{
    m_handbookPage = page;
    btnPodrecznik->setVisible(!page.isEmpty());
}

void TfrmCwiczenie::SetFixedBackground(const QString& winTail)
{
    showBackground(ctx().inst.path(winTail));
}

void TfrmCwiczenie::showBackground(const QString& path)
{
    const QImage img(path);
    if (img.isNull())
        return; // unreadable: the picture shown stays
    m_background = img;
    m_backgroundFile = path;
    IMG_Tlo->setPicture(img);
    blendScrollBar();
}

void TfrmCwiczenie::PickBackground()
{
    if (m_options.backgroundFolder.isEmpty())
        return;
    const QDir dir(ctx().inst.path(QStringLiteral("\\Gfx") + m_options.backgroundFolder));
    const QStringList files = dir.entryList({QStringLiteral("*.bmp")}, QDir::Files, QDir::Name | QDir::IgnoreCase);
    if (files.isEmpty())
        return; // the plain background stays
    std::uniform_int_distribution<qsizetype> pick(0, files.size() - 1);
    showBackground(dir.filePath(files[pick(random())]));
}

void TfrmCwiczenie::blendScrollBar()
{
    // The part of the background behind the scroll bar becomes the bar's own
    // background, so the bar blends in. The picture is stretched over IMG_Tlo.
    ScrollBarPictures pics = ScrollBar->pictures();
    pics.IMG_BKG = BackgroundPart(ScrollBar->geometry());
    ScrollBar->setPictures(pics);
}

QImage TfrmCwiczenie::BackgroundPart(const QRect& windowRect) const
{
    if (m_background.isNull())
        return {};
    const QImage shown = m_background.scaled(IMG_Tlo->size(), Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    return shown.copy(windowRect.translated(-IMG_Tlo->x(), -IMG_Tlo->y()));
}

void TfrmCwiczenie::PressBackButton()
{
    if (auto* back = findChild<TLumResButton*>(QStringLiteral("btn_nawigacja_wroc"), Qt::FindDirectChildrenOnly))
        back->ClickIfEnabled();
}

MediaButtonPictures TfrmCwiczenie::mediaPictures()
{
    return MediaButtonPictures{FormPicture(QStringLiteral("IMG_Glosnik")), FormPicture(QStringLiteral("IMG_Video"))};
}

void TfrmCwiczenie::PlayMedia(const QString& folder, const QString& file, bool showWindow)
{
    player().SetRecordingMarks(m_marks);
    player().PlayFile(ctx().inst.cdDir + QStringLiteral("Media") + folder + QStringLiteral("\\") + file, showWindow);
}

void TfrmCwiczenie::OpenHandbook()
{
    if (m_handbookPage.isEmpty())
        return;
    TfrmHelp::ShowHelp(ctx(), QStringLiteral("Podrecznik\\") + m_handbookPage, this);
}

QString TfrmCwiczenie::PrintedPage() const
{
    return PrintPage(ExerciseTitle(), PrintBody());
}

void TfrmCwiczenie::Print()
{
    if (m_services.printer)
        m_services.printer->PrintHtml(PrintedPage(), 40, this);
}

void TfrmCwiczenie::repaintArea()
{
    Obszar->update();
}

void TfrmCwiczenie::paintArea(QPainter& p)
{
    m_words.Clear();
    FitScrollBar(PaintArea(p));
}

QString TfrmCwiczenie::MarkupHint(const QWidget* w)
{
    return w ? w->property(HintProperty).toString() : QString();
}

void TfrmCwiczenie::SetMarkupHint(QWidget* w, const QString& hint)
{
    if (!w)
        return;
    w->setProperty(HintProperty, hint);
    // A non-empty tool tip makes the hint window ask for HintText.
    w->setToolTip(hint.isEmpty() ? QString() : QStringLiteral(" "));
    if (w->underMouse())
        HintText() = hint;
}

// ---------------------------------------------------------------------------
// Keyboard and mouse

bool TfrmCwiczenie::KindKey(int, const QString&)
{
    return false;
}

void TfrmCwiczenie::AreaMousePress(QMouseEvent*) {}
void TfrmCwiczenie::AreaMouseMove(QMouseEvent*) {}
void TfrmCwiczenie::AreaMouseRelease(QMouseEvent*) {}

bool TfrmCwiczenie::handleKey(int key, const QString& text)
{
    switch (key) {
    case Qt::Key_Escape:
        PressBackButton();
        return true;
    case Qt::Key_F1:
        if (m_options.helpPage.isEmpty())
            nav().ShowHelpFor(this);
        else
            TfrmHelp::ShowHelp(ctx(), m_options.helpPage, this);
        return true;
    case Qt::Key_F4:
        if (m_options.backgroundFolder.isEmpty())
            break;
        PickBackground();
        return true;
    default: break;
    }
    if (KindKey(key, text))
        return true;
    if (ScrollBar->isHidden())
        return false;
    switch (key) {
    case Qt::Key_PageDown: ScrollBar->setPosition(ScrollBar->Position() + 1); return true;
    case Qt::Key_PageUp: ScrollBar->setPosition(ScrollBar->Position() - 1); return true;
    default: return false;
    }
}

bool TfrmCwiczenie::eventFilter(QObject* watched, QEvent* event)
{
    switch (event->type()) {
    case QEvent::KeyPress: {
        // Form key preview: the key goes to the frame first when it is meant
        // for a control of this window (once: not again as it propagates).
        auto* w = qobject_cast<QWidget*>(watched);
        if (!w || w->window() != this || !isVisible())
            break;
        QWidget* focus = QApplication::focusWidget();
        const QWidget* first = focus && focus->window() == this ? focus : this;
        auto* key = static_cast<QKeyEvent*>(event);
        if (w != first && w != this)
            break; // on its way up from the focused control
        if (w == this && first != this && m_keySeen == KeySeen{key, key->timestamp()})
            break; // seen at the focused control already
        m_keySeen = w == this ? KeySeen{} : KeySeen{key, key->timestamp()};
        if (handleKey(key->key(), key->text()))
            return true;
        break;
    }
    case QEvent::MouseButtonPress:
        if (watched == Obszar) {
            auto* e = static_cast<QMouseEvent*>(event);
            if (e->button() == Qt::RightButton && m_options.rightClick != ExerciseFrameOptions::RightClick::None) {
                areaRightPress(e->position().toPoint());
                return true;
            }
            AreaMousePress(e);
            return true;
        }
        if (watched == Polecenie)
            instructionPress(static_cast<QMouseEvent*>(event));
        break;
    case QEvent::MouseMove:
        if (watched == Obszar) {
            AreaMouseMove(static_cast<QMouseEvent*>(event));
            return true;
        }
        break;
    case QEvent::MouseButtonRelease:
        if (watched == Obszar) {
            AreaMouseRelease(static_cast<QMouseEvent*>(event));
            return true;
        }
        break;
    case QEvent::Wheel:
        if (watched == Obszar && m_options.wheelScrolls && !ScrollBar->isHidden()) {
            const int notches = static_cast<QWheelEvent*>(event)->angleDelta().y() / 120;
            if (notches != 0)
                ScrollBar->setPosition(ScrollBar->Position() - notches);
            return true;
        }
        break;
    case QEvent::Enter:
        if (watched->parent() == this && watched->property(HintProperty).isValid())
            HintText() = watched->property(HintProperty).toString();
        break;
    case QEvent::Leave:
        if (watched == Polecenie)
            IMG_Dymek->hide();
        else if (watched->parent() == this && watched->property(HintProperty).isValid())
            HintText().clear();
        break;
    default: break;
    }
    return QWidget::eventFilter(watched, event);
}

void TfrmCwiczenie::areaRightPress(const QPoint& at)
{
    // A right click never changes the exercise.
    if (m_options.rightClick == ExerciseFrameOptions::RightClick::GrammarNotice) {
        ctx().messages.showMessageBox(ctx().UiText(125), ctx().UiText(59), MsgBoxKind::Notice);
        return;
    }
    const QString word = m_words.WordAt(at);
    if (!word.isEmpty() && m_services.lookUpWord)
        m_services.lookUpWord(word);
}

void TfrmCwiczenie::instructionPress(QMouseEvent* e)
{
    if (e->button() == Qt::LeftButton) {
        IMG_Dymek->hide();
        return;
    }
    if (e->button() != Qt::RightButton || ctx().settings.TranslationLanguage == 255)
        return;
    IMG_Dymek->hide();
    if (m_instructionHint.isEmpty())
        return; // no translation in the learner's language: no empty bubble
    const QPoint at = Polecenie->mapTo(this, e->position().toPoint());
    IMG_Dymek->ShowBubble(at.x(), at.y(), m_instructionHint);
    IMG_Dymek->raise();
}

// ---------------------------------------------------------------------------
// Showing and closing

void TfrmCwiczenie::showEvent(QShowEvent* e)
{
    QWidget::showEvent(e);
    blendScrollBar();
    if (!m_shownOnce) {
        m_shownOnce = true;
        CheckMsgInfo->start();
    }
}

void TfrmCwiczenie::showOneTimeMessage()
{
    CheckMsgInfo->stop();
    TUstawienia& s = ctx().settings;
    bool* flag = m_options.noticeOption == 7 ? &s.Option7 : m_options.noticeOption == 8 ? &s.Option8 : &s.Option9;
    if (!*flag)
        return;
    *flag = false;
    ctx().messages.showMessageBox(ctx().UiText(m_options.noticeText), ctx().UiText(59), MsgBoxKind::Notice);
    if (s.User.Id <= 0)
        return; // nobody logged in: nothing to save
    if (const Status saved = WriteUserConfig(ctx().inst, s); !saved)
        ctx().messages.showFailure(saved.failure());
}

void TfrmCwiczenie::closeEvent(QCloseEvent* e)
{
    CheckMsgInfo->stop();
    Release();
    for (QLineEdit* edit : findChildren<QLineEdit*>())
        edit->hide();
    IMG_Dymek->hide();
    nav().RemoveNavigationBar(this);
    player().ClosePlayer();
    e->accept();
}
