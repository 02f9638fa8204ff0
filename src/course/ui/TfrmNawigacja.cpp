#include "TfrmNawigacja.h"

#include "ApplySkin.h"
#include "FormPictures.h"
#include "HelpPages.h"
#include "AskExit.h"
#include "ShellContext.h"
#include "SmoothText.h"
#include "TLumResButton.h"
#include "TfrmHelp.h"
#include "TfrmPodklad.h"
#include "TfrmProgress.h"
#include "TfrmWyborCwiczenia.h"
#include "TitleBarSetup.h"

#include <QApplication>
#include <QWidget>

namespace {

// The progress window for the length of one operation that reports through a
// ProgressCallback: shown at the first report, closed at the end of scope.
class ProgressWindow final {
public:
    explicit ProgressWindow(QString text) : m_text(std::move(text)) {}
    ~ProgressWindow()
    {
        if (m_window)
            m_window->close();
    }

    ProgressCallback callback()
    {
        return [this](int count, int step) {
            if (!m_window) {
                m_window = std::make_unique<TfrmProgress>();
                m_window->Start(count, m_text);
            }
            m_window->Step(step);
        };
    }

private:
    QString m_text;
    std::unique_ptr<TfrmProgress> m_window;
};

// The wait cursor for the length of a scope.
struct WaitCursor {
    WaitCursor() { QApplication::setOverrideCursor(Qt::WaitCursor); }
    ~WaitCursor() { QApplication::restoreOverrideCursor(); }
};

const char* const NavPrefix = "btn_nawigacja_";

TLumResButton* barButton(QWidget* window, const QString& name, TRozmiar size)
{
    auto* b = new TLumResButton(window);
    b->setObjectName(name);
    b->setRozmiar(size);
    return b;
}

// The close or minimise button: 18 × 34 at the top, glyphs only (`glyphs`
// + "_N", "_H", "_D"), no face.
TLumResButton* windowButton(QWidget* window, const QString& name, int left, const char* glyphs)
{
    TLumResButton* b = barButton(window, name, TRozmiar::rozUndefined);
    b->setGeometry(left, 0, 18, 34);
    b->setShowCaption(false);
    b->setCaption(QString());
    SetWindowButtonGlyphs(b, QString::fromLatin1(glyphs));
    return b;
}

} // namespace

TfrmNawigacja::TfrmNawigacja(ShellContext& ctx, QObject* parent)
    : QObject(parent), m_ctx(ctx), m_nav(m_course.tree)
{
    setObjectName(QStringLiteral("frmNawigacja"));
    btnCaptionFont = SkinFont(QStringLiteral("Trebuchet MS"), 10, true);
}

TfrmNawigacja::~TfrmNawigacja() = default;

CourseLoadOutcome TfrmNawigacja::reloadCourse()
{
    m_nav.SetCurrent(nullptr); // the nodes it points at are about to go
    ProgressWindow progress(m_ctx.UiText(38));
    return ReloadCourse(m_ctx.inst, m_course, progress.callback());
}

Status TfrmNawigacja::LoadCourseAtStartup()
{
    const CourseLoadOutcome out = reloadCourse();
    if (out.definitionsFailure)
        return *out.definitionsFailure;
    if (out.scanFailure)
        m_ctx.messages.showFailure(*out.scanFailure);
    return {};
}

void TfrmNawigacja::SwitchInterfaceLanguage(int id, bool rebuild)
{
    {
        WaitCursor wait;
        m_ctx.inst.interfaceLanguage = id;
        m_ctx.settings.InterfaceLanguage = quint8(id);
        if (m_selection)
            m_selection->ClearList();
    }
    if (!rebuild)
        return;
    const CourseLoadOutcome out = reloadCourse();
    if (out.definitionsFailure) {
        m_ctx.messages.showFailure(*out.definitionsFailure);
        emit exitRequested();
        return;
    }
    if (out.scanFailure)
        m_ctx.messages.showFailure(*out.scanFailure);
    ReadUserResults();
    if (m_selection)
        m_selection->FillFromRoot();
}

void TfrmNawigacja::ReadUserResults()
{
    if (m_ctx.settings.User.Id <= 0)
        return;
    ResultsStore store(m_ctx.inst, m_ctx.settings.User.Id, m_ctx.clock);
    ResultsReadOutcome outcome;
    {
        ProgressWindow progress(m_ctx.UiText(52));
        outcome = store.ReadAllResults(m_course.flatList, progress.callback());
    }
    if (outcome.message)
        m_ctx.messages.showFailure(*outcome.message);
}

void TfrmNawigacja::RebuildFlatList()
{
    m_course.flatList = BuildFlatList(m_course.tree);
}

// ---------------------------------------------------------------------------
// The navigation bar

void TfrmNawigacja::AddNavigationBar(QWidget* window, int flags)
{
    if (!window)
        return;
    QPointer<QWidget> target(window);
    const TElement* container = m_nav.containerNode();
    if ((flags & SiblingButtons) && container) {
        const int count = container->ChildCount();
        for (int i = 1; i <= count; ++i) {
            TLumResButton* b = barButton(window, QString::fromLatin1(NavPrefix) + QString::number(i),
                                         TRozmiar::rozTabka_Selko);
            const SiblingButtonGeometry g = SiblingButtonAt(container->Kind, count, i);
            b->setGeometry(g.left, g.top, g.width, b->height());
            b->setCaption(QString::number(i));
            b->setKorektaCaptionY(-5);
            b->setFont(SkinFont(QStringLiteral("Trebuchet MS"), 13, true));
            b->setFontColor(QColor(6, 54, 99));
            b->setEnabled(i != m_nav.currentIndex());
            b->setTag(i);
            connect(b, &TLumResButton::clicked, this, [this, target, i] { SiblingSwitch(target, i); });
        }
    }
    if (flags & WindowButtons) {
        TLumResButton* close = windowButton(window, QStringLiteral("btn_nawigacja_zamknij"), 982, "IMG_Close");
        connect(close, &TLumResButton::clicked, this, &TfrmNawigacja::CloseProgram);
        TLumResButton* min = windowButton(window, QStringLiteral("btn_nawigacja_minimalizuj"), 948, "IMG_Min");
        connect(min, &TLumResButton::clicked, this, &TfrmNawigacja::minimizeRequested);
    }
    struct TextButton {
        int flag;
        const char* name;
        int left, width;
        const char* glyph;
        int text;
    } const textButtons[] = {
        {HelpButton, "btn_nawigacja_help", 810, 120, "IMG_Help", 27},
        {DictionaryButton, "btn_nawigacja_slownik", 630, 170, "IMG_Slownik", 26},
        {BackButton, "btn_nawigacja_wroc", 330, 170, "IMG_Wroc", 37},
    };
    for (const TextButton& t : textButtons) {
        if (!(flags & t.flag))
            continue;
        TLumResButton* b = barButton(window, QString::fromLatin1(t.name), TRozmiar::rozBelka);
        b->setFont(btnCaptionFont);
        b->setFontColor(Qt::white);
        b->setGeometry(t.left, 0, t.width, b->height());
        b->setShowCaption(true);
        b->setCaption(m_ctx.UiText(t.text));
        SetButtonGlyph(b, QString::fromLatin1(t.glyph), 1);
        switch (t.flag) {
        case HelpButton: connect(b, &TLumResButton::clicked, this, [this, target] { ShowHelpFor(target); }); break;
        case DictionaryButton:
            connect(b, &TLumResButton::clicked, this, &TfrmNawigacja::OpenDictionary);
            break;
        default: connect(b, &TLumResButton::clicked, this, [this, target] { Back(target); }); break;
        }
    }
    ApplySkin(window, m_ctx.skin);
    for (QWidget* child : window->findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
        if (child->objectName().contains(QLatin1String(NavPrefix)))
            child->show();
}

void TfrmNawigacja::RemoveNavigationBar(QWidget* window)
{
    if (!window)
        return;
    // The buttons leave the window at once but are freed later: the button
    // whose click closed the window is still in its click handler.
    const QList<QWidget*> children = window->findChildren<QWidget*>(Qt::FindDirectChildrenOnly);
    for (qsizetype i = children.size() - 1; i >= 0; --i)
        if (children[i]->objectName().contains(QLatin1String(NavPrefix))) {
            children[i]->hide();
            children[i]->setParent(nullptr);
            children[i]->deleteLater();
        }
}

void TfrmNawigacja::SetupTitleBar(TLumBelka* belka)
{
    ::SetupTitleBar(m_ctx, belka);
}

void TfrmNawigacja::SetButtonGlyph(TLumResButton* button, const QString& imageName, int state)
{
    ::SetButtonGlyph(button, imageName, state);
}

// ---------------------------------------------------------------------------
// Button actions

void TfrmNawigacja::SiblingSwitch(QWidget* window, int i)
{
    if (SwitchInProgress())
        return; // a second quick click: the first switch is still on its way
    RecordResult(window);
    if (window)
        window->close();
    m_nav.SelectSibling(i);
    BackgroundWindow()->RequestOpen();
}

void TfrmNawigacja::openCurrentAfterSwitch()
{
    if (TElement* node = m_nav.currentNode())
        OpenExercise(node->Kind, node->FileName, node->RecordingMarks);
}

void TfrmNawigacja::ShowHelpFor(QWidget* window)
{
    if (!window)
        return;
    const QString page = HelpPageForForm(window->objectName(), m_ctx.inst.programMode);
    if (!page.isEmpty())
        TfrmHelp::ShowHelp(m_ctx, page, window);
}

void TfrmNawigacja::OpenDictionary()
{
    if (m_openDictionary)
        m_openDictionary();
    else
        m_ctx.messages.showMessageBox(m_ctx.UiText(125), m_ctx.UiText(59), MsgBoxKind::Notice);
}

void TfrmNawigacja::Back(QWidget* window)
{
    m_ctx.audio.stop();
    if (m_stopAllSound)
        m_stopAllSound();
    if (window && window == m_selection) {
        window->hide();
        emit showMainRequested();
        return;
    }
    if (window)
        window->close();
    showSelectionAgain();
}

void TfrmNawigacja::CloseProgram()
{
    if (AskExit(m_ctx))
        emit exitRequested();
}

void TfrmNawigacja::showSelectionAgain()
{
    if (!m_selection)
        return;
    m_selection->show();
    m_selection->raise();
    m_selection->activateWindow();
    m_selection->EnableList();
}

// ---------------------------------------------------------------------------
// Dispatch

void TfrmNawigacja::RegisterOpener(const QString& windowClass, ExerciseOpener opener)
{
    m_openers.insert(windowClass, std::move(opener));
}

void TfrmNawigacja::OpenExercise(int kind, const QString& file, const QString& marks)
{
    ExerciseOpenRequest request;
    request.kind = kind;
    request.fileName = file;
    request.fullPath = m_ctx.inst.path(QStringLiteral("\\Dane\\") + file);
    const ExerciseDispatch dispatch = DispatchExercise(kind, m_ctx.inst.programMode);
    if (dispatch.receivesRecordingMarks)
        request.recordingMarks = marks;
    const auto opener = m_openers.constFind(dispatch.window);
    if (dispatch.window.isEmpty() || opener == m_openers.constEnd()) {
        const Failure f = MissingExerciseWindowMessage(kind);
        m_ctx.messages.showMessageBox(f.text, f.caption, MsgBoxKind::Notice);
        showSelectionAgain();
        return;
    }
    QWidget* opened = (*opener)(request);
    if (!opened) {
        // The opener stopped at a message: back to the table of contents.
        showSelectionAgain();
        return;
    }
    if (m_selection && m_selection->isVisible())
        m_selection->hide();
    emit exerciseOpened(opened);
}

void TfrmNawigacja::OpenNode(TElement* node)
{
    if (!node)
        return;
    m_nav.SetCurrent(node);
    OpenExercise(node->Kind, node->FileName, node->RecordingMarks);
}

void TfrmNawigacja::RecordResult(QWidget* window)
{
    if (!m_nav.currentNode() || m_ctx.settings.User.Id <= 0)
        return;
    auto* source = dynamic_cast<IExerciseResultSource*>(window);
    ResultSources sources = source ? source->ResultSourcesNow() : ResultSources{};
    ResultsStore store(m_ctx.inst, m_ctx.settings.User.Id, m_ctx.clock);
    const ReviewSettings review{m_ctx.settings.ReviewsOn, m_ctx.settings.ReviewThreshold};
    const Status s = store.RecordResult(m_nav, sources, review);
    if (source)
        source->SetResultPanelTag(sources.panelTag);
    if (!s.ok())
        m_ctx.messages.showFailure(s.failure());
}

// ---------------------------------------------------------------------------
// Windows the form works with

void TfrmNawigacja::SetBackgroundWindow(TfrmPodklad* background)
{
    if (m_background)
        disconnect(m_background, &TfrmPodklad::openExercise, this, nullptr);
    m_background = background;
    if (background)
        connect(background, &TfrmPodklad::openExercise, this, &TfrmNawigacja::openCurrentAfterSwitch);
}

TfrmPodklad* TfrmNawigacja::BackgroundWindow()
{
    if (!m_background) {
        m_ownBackground = std::make_unique<TfrmPodklad>();
        SetBackgroundWindow(m_ownBackground.get());
    }
    return m_background;
}

bool TfrmNawigacja::SwitchInProgress() const
{
    return m_background && m_background->busy();
}

void TfrmNawigacja::SetSelectionWindow(TfrmWyborCwiczenia* selection)
{
    m_selection = selection;
}

TfrmWyborCwiczenia* TfrmNawigacja::SelectionWindow() const
{
    return m_selection;
}
