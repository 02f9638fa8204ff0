#pragma once

// The frame every exercise window shares: title bar, random background, the
// instruction with its translation bubble, the exercise area with its scroll
// bar, the check / try-again button and result panel, the listen, handbook and
// print buttons, the keyboard, the right-click dictionary lookup, the one-time
// information message, and recording the result through the navigation form.
//
// A kind derives from it and supplies its model (Reset/Load/Release), its run
// start, its painting, its score and its printed body; everything else is here.
// The window is GUI glue only: each kind keeps its parsing and checking in its
// own core library, tested without a window.

#include "ExerciseEnvelope.h"
#include "ExerciseOpening.h"
#include "Failure.h"
#include "MediaButtonUi.h"
#include "TPozycjeSlowek.h"

#include <QImage>
#include <QPointer>
#include <QString>
#include <QWidget>

#include <functional>
#include <random>

struct ShellContext;
class IPrintService;
class PictureBox;
class QPainter;
class QTimer;
class TAALabel;
class TALScrollBar;
class TfrmMediaR;
class TfrmNawigacja;
class TLumBelka;
class TLumDymek;
class TLumProgress;
class TLumResButton;
class TLumZeszytStatystyki;

// What an exercise window reaches beyond its own file: the context, the
// navigation form (result recording, navigation bar, help, title bar), the
// shared player, the dictionary window for the right-click lookup, the
// printer and the skin's sounds. The shell owns them all; they outlive every
// exercise window, which keeps a reference to this object.
struct ExerciseServices {
    ShellContext& ctx;
    TfrmNawigacja& nav;
    TfrmMediaR& player;
    // Shows the dictionary window with `word` in its search box, searched
    // (the dictionary window reduces it to its dictionary form first).
    std::function<void(const QString& word)> lookUpWord;
    // Random source of backgrounds and of the kinds that shuffle; tests seed it.
    // Null: the window keeps a generator of its own.
    std::mt19937* random = nullptr;
    // Where Print sends the page; null: printing does nothing.
    IPrintService* printer = nullptr;
    // Plays a sound of the skin library ("WAV_WYNIK") without waiting.
    std::function<void(const QString& name)> playSound;
};

// How a kind's window differs in the shared frame.
struct ExerciseFrameOptions {
    QString windowClass;       // "TfrmTest2"
    QString formName;          // "frmTest2": objectName, chooses the navigation bar's help page
    QString backgroundFolder;  // "\\Background_cw" ...; empty: fixed picture, no F4
    enum class RightClick { None, DictionaryLookup, GrammarNotice } rightClick = RightClick::None;
    bool hasStatistics = false; // a Statystyki block
    bool hasPrint = true;       // btnDrukuj
    int scrollStep = 10;        // pixels per scroll position
    bool wheelScrolls = true;   // a wheel notch moves the scroll bar one step
    int noticeOption = 9;       // the learner's one-time flag: 9, 7 or 8
    int noticeText = 92;        // its interface text: 92, 90 or 91
    int navigationFlags = 31;   // 30 for the two picture kinds
    QString helpPage;           // the F1 page ("h_exer.html#a10"); empty: the navigation bar's page
};

class TfrmCwiczenie : public QWidget, public IExerciseResultSource {
    Q_OBJECT
public:
    TfrmCwiczenie(ExerciseServices& services, ExerciseFrameOptions options, QWidget* parent = nullptr);
    ~TfrmCwiczenie() override;

    // The opener's sequence: store the marks and path, Reset, Load (the
    // load message shown on failure, returns false), navigation bar,
    // StartRun(false), show.
    bool Open(const ExerciseOpenRequest& request);

    // The pieces of Open, for a kind whose opener orders them its own way.
    // SetExercise stores the full path and the recording marks; Reset is the
    // frame's reset and then ResetModel; Load opens the file and runs
    // LoadModel in the guarded block (the message shown, false on failure);
    // Release runs ReleaseModel in the guarded release block (once per load).
    void SetExercise(const ExerciseOpenRequest& request);
    void Reset();
    bool Load();
    void Release();

    // Begins a run; with `reload` the model is released and loaded again from
    // the remembered path first (a load error is shown and the run not begun).
    void StartRun(bool reload);
    // The check / try-again button: BeforeCheckButton, then a new run, or
    // the check, or the kind's NoScoreNotice when the exercise has no score.
    void PressCheckButton();
    // The check itself: the kind's score shown in the result panel, the result
    // sound, ResultPending set and the result recorded, the button to try again.
    void ShowResult(int score);

    // IExerciseResultSource
    ResultSources ResultSourcesNow() const override;
    void SetResultPanelTag(int tag) override;

    const QString& exercisePath() const { return m_path; }
    const QString& recordingMarks() const { return m_marks; }
    TPozycjeSlowek& words() { return m_words; }
    int resultPanelTag() const { return m_panelTag; }
    // The state of btnSpr: 0 check, 1 try again.
    int checkButtonState() const;
    // The background picture now shown (null: none loaded).
    const QImage& backgroundPicture() const { return m_background; }
    QString backgroundFile() const { return m_backgroundFile; }
    const QString& instructionHint() const { return m_instructionHint; }
    const QString& handbookPage() const { return m_handbookPage; }
    // The markup hint a frame button shows while the mouse is over it.
    static QString MarkupHint(const QWidget* w);

    // Components, by their form names, for the kinds and for tests.
    TLumBelka* Belka = nullptr;
    PictureBox* IMG_Tlo = nullptr;
    TAALabel* Polecenie = nullptr;
    TLumDymek* IMG_Dymek = nullptr;
    QWidget* Obszar = nullptr; // painted by PaintArea
    TALScrollBar* ScrollBar = nullptr;
    TLumResButton* btnSpr = nullptr;
    TLumProgress* Panel_Wynik = nullptr;
    TLumZeszytStatystyki* Statystyki = nullptr; // null unless hasStatistics
    TLumResButton* btnMedia = nullptr;
    TLumResButton* btnMedia2 = nullptr;
    TLumResButton* btnPodrecznik = nullptr;
    TLumResButton* btnDrukuj = nullptr;   // hidden unless hasPrint
    TLumResButton* btnPopraw = nullptr;   // hidden until the kind shows it
    QTimer* CheckMsgInfo = nullptr;

protected:
    // --- what a kind supplies ---
    // The kind's part of Reset (the frame has hidden the result panel, put
    // btnSpr to its check state, cleared the word list and the scroll bar).
    virtual void ResetModel() = 0;
    // Copies the model out of the loaded document; runs inside the guarded
    // load block, so a binding error becomes the load message.
    virtual void LoadModel(const ExerciseDocument& doc) = 0;
    // Frees the model; runs inside the guarded release block.
    virtual void ReleaseModel() = 0;
    // The kind's part of a run start (order, empty answers, the result line
    // with SetResultLine(0, items)).
    virtual void StartRunModel() = 0;
    // The score 0..100 of the check; the kind updates its own counts.
    virtual int ComputeScore() = 0;
    // Why this exercise cannot be scored (a text without gaps...): shown
    // instead of a result, under interface text 59, and nothing is recorded.
    // Empty (the default): it can be scored.
    virtual QString NoScoreNotice() const { return {}; }
    // Runs first when btnSpr is pressed, before the check or the new run (a
    // kind with an edit box commits what is typed in it).
    virtual void BeforeCheckButton() {}
    // Paints the exercise area (scrolled by scrollOffset()); add every painted
    // word to words(). Returns the content height, for the scroll bar.
    virtual int PaintArea(QPainter& p) = 0;
    // The kind's part of the printed page (HTML through ToHtmlText).
    virtual QString PrintBody() const = 0;
    // The printed title; by default the exercise's title in the interface
    // language as the file names it.
    virtual QString ExerciseTitle() const;

    // --- what a kind may use ---
    ShellContext& ctx() const;
    TfrmNawigacja& nav() const { return m_services.nav; }
    TfrmMediaR& player() const { return m_services.player; }
    ExerciseServices& services() const { return m_services; }
    std::mt19937& random() const;
    const ExerciseFrameOptions& options() const { return m_options; }
    int scrollOffset() const;
    // Pixels per scroll position (the option's step until changed).
    void setScrollStep(int pixels);
    int scrollStep() const { return m_scrollStep; }
    // The scroll bar for content `contentHeight` pixels tall: shown when it is
    // taller than the area, its maximum the steps needed to reach the end.
    // Called after every paint of the area; a kind may fit it its own way.
    virtual void FitScrollBar(int contentHeight);
    // Statystyki.TextZdanie: "<text 155> done / total".
    void SetResultLine(int done, int total);
    // The statistics block's counts and percentage (XFactor is what a result
    // recorded without a check stores, for kinds with statistics).
    void SetStatistics(int correct, int wrong, int xFactor);
    int xFactor() const { return m_xFactor; }
    // Polecenie's caption and the translation its bubble shows.
    void SetInstruction(const QString& caption, const QString& translation);
    // The handbook page of the exercise (`html` of the body); btnPodrecznik
    // shows when it is not empty.
    void SetHandbookPage(const QString& page);
    // A picture from AppDir ("\\Gfx\\bg_selko.bmp") as the background; a
    // missing or unreadable file keeps the one shown.
    void SetFixedBackground(const QString& winTail);
    // Picks one of the background folder's *.bmp files at random (F4). An
    // empty or missing folder keeps the picture shown.
    void PickBackground();
    // The navigation form's sound and video glyphs, for ResolveTextMedia and
    // ResolveSentenceMedia on btnMedia / btnMedia2.
    static MediaButtonPictures mediaPictures();
    // A listen button: hands the marks to the player and plays
    // CdDir\Media<folder>\<file> ("\\Zdania" or "\\Teksty").
    void PlayMedia(const QString& folder, const QString& file, bool showWindow);
    // Opens the handbook viewer on "Podrecznik\" + the handbook page.
    void OpenHandbook();
    // Builds the printed page (title and PrintBody) and prints it, pages up to 40.
    void Print();
    // The page Print sends.
    QString PrintedPage() const;
    void repaintArea();
    // The part of the background picture, as it is stretched under the title
    // bar, behind `windowRect` (window coordinates); null without a picture.
    QImage BackgroundPart(const QRect& windowRect) const;
    // Clicks the navigation bar's back button when it is there and enabled
    // (Escape; the kinds that leave on Enter after the result).
    void PressBackButton();
    // Sets the markup hint of a frame button (empty: none).
    static void SetMarkupHint(QWidget* w, const QString& hint);
    // Keys the frame does not handle, before the kind (return true: handled).
    virtual bool KindKey(int key, const QString& text);
    // Mouse on the exercise area after the frame's right-click handling.
    virtual void AreaMousePress(QMouseEvent* e);
    virtual void AreaMouseMove(QMouseEvent* e);
    virtual void AreaMouseRelease(QMouseEvent* e);

    bool eventFilter(QObject* watched, QEvent* event) override;
    void closeEvent(QCloseEvent* e) override;
    void showEvent(QShowEvent* e) override;

private:
    class Area;
    friend class Area;

    void buildControls();
    void applyCaptions();
    void resetFrame();
    void setCheckButtonState(int state);
    void showBackground(const QString& path);
    void blendScrollBar();
    void paintArea(QPainter& p);
    bool handleKey(int key, const QString& text);
    void areaRightPress(const QPoint& at);
    void instructionPress(QMouseEvent* e);
    void showOneTimeMessage();

    ExerciseServices& m_services;
    ExerciseFrameOptions m_options;
    QString m_path;
    QString m_marks;
    QString m_title;
    TPozycjeSlowek m_words;
    mutable std::unique_ptr<std::mt19937> m_ownRandom;
    int m_scrollStep = 10;
    int m_panelTag = 0;
    int m_xFactor = 0;
    bool m_loaded = false;
    bool m_shownOnce = false;
    QImage m_background;
    QString m_backgroundFile;
    QString m_instructionHint;
    QString m_handbookPage;
    // The key event last previewed at a focused control, so that it is not
    // previewed again when it reaches the window.
    struct KeySeen {
        const QEvent* event = nullptr;
        quint64 timestamp = 0;
        bool operator==(const KeySeen&) const = default;
    } m_keySeen;
};

// The opener of a kind whose window derives from the frame and is made with
// `W(services)`: a new window per opening, freed again when it stopped at a
// message. Register it with nav.RegisterOpener("TfrmTest2", OpenerFor<TfrmTest2>(services)).
template <class W>
ExerciseOpener OpenerFor(ExerciseServices& services)
{
    return [&services](const ExerciseOpenRequest& request) -> QWidget* {
        auto* window = new W(services);
        if (!window->Open(request)) {
            delete window;
            return nullptr;
        }
        return window;
    };
}
