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
#include "TPozycjeSlowek.h"

#include <QPointer>
#include <QString>
#include <QWidget>

#include <random>

struct ShellContext;
class QPainter;
class QTimer;
class TAALabel;
class TALScrollBar;
class TfrmMediaR;
class TfrmNawigacja;
class TfrmSlownik;
class TLumBelka;
class TLumDymek;
class TLumProgress;
class TLumResButton;
class TLumZeszytStatystyki;

// What an exercise window reaches beyond its own file: the context, the
// navigation form (result recording, navigation bar, help, title bar), the
// shared player, and the dictionary window for the right-click lookup. The
// shell owns them all; they outlive every exercise window.
struct ExerciseServices {
    ShellContext& ctx;
    TfrmNawigacja& nav;
    TfrmMediaR& player;
    // Shows the dictionary window with `word` in its search box, searched.
    std::function<void(const QString& word)> lookUpWord;
    // Random source of backgrounds and of the kinds that shuffle; tests seed it.
    std::mt19937* random = nullptr;
};

// How a kind's window differs in the shared frame.
struct ExerciseFrameOptions {
    QString windowClass;       // "TfrmTest2"
    QString formName;          // "frmTest2": objectName, chooses the F1 page
    QString backgroundFolder;  // "\\Background_cw" ...; empty: fixed picture
    enum class RightClick { None, DictionaryLookup, GrammarNotice } rightClick = RightClick::None;
    bool hasStatistics = false; // a Statystyki block
    bool hasPrint = true;       // btnDrukuj
    bool hasCorrections = false; // btnPopraw
    int scrollStep = 10;        // pixels per scroll position
    bool wheelScrolls = true;   // a wheel notch moves the scroll bar one step
    int noticeOption = 9;       // the learner's one-time flag: 9, 7 or 8
    int noticeText = 92;        // its interface text: 92, 90 or 91
    int navigationFlags = 31;   // 30 for the two picture kinds
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

    // Begins a run; with `reload` the model is released and loaded again from
    // the remembered path first.
    void StartRun(bool reload);
    // The check / try-again button.
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

    // Components, by their form names, for the kinds and for tests.
    TLumBelka* Belka = nullptr;
    QWidget* IMG_Tlo = nullptr;
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
    TLumResButton* btnDrukuj = nullptr;
    TLumResButton* btnPopraw = nullptr;
    QTimer* CheckMsgInfo = nullptr;

protected:
    // --- what a kind supplies ---
    virtual void ResetModel() = 0;
    // Copies the model out of the loaded document; runs inside the guarded
    // load block, so a binding error becomes the load message.
    virtual void LoadModel(const ExerciseDocument& doc) = 0;
    virtual void ReleaseModel() = 0;
    // The kind's part of a run start (order, empty answers).
    virtual void StartRunModel() = 0;
    // The score 0..100 of the check; the kind updates its own counts.
    virtual int ComputeScore() = 0;
    // Paints the exercise area (scrolled by scrollOffset()); add every painted
    // word to words(). Returns the content height, for the scroll bar.
    virtual int PaintArea(QPainter& p) = 0;
    // The kind's part of the printed page (HTML through ToHtmlText).
    virtual QString PrintBody() const = 0;
    virtual QString ExerciseTitle() const;

    // --- what a kind may use ---
    ShellContext& ctx() const;
    TfrmNawigacja& nav() const { return m_services.nav; }
    TfrmMediaR& player() const { return m_services.player; }
    std::mt19937& random() const;
    const ExerciseFrameOptions& options() const { return m_options; }
    int scrollOffset() const;
    void SetResultLine(int done, int total);
    // A listen button: hands the marks to the player and plays
    // CdDir\Media<folder>\<file> ("\\Zdania" or "\\Teksty").
    void PlayMedia(const QString& folder, const QString& file, bool showWindow);
    void Print();
    void repaintArea();
    // Keys the frame does not handle, before the kind (return true: handled).
    virtual bool KindKey(int key, const QString& text);
    // Mouse on the exercise area after the frame's right-click handling.
    virtual void AreaMousePress(QMouseEvent* e);
    virtual void AreaMouseMove(QMouseEvent* e);

    bool eventFilter(QObject* watched, QEvent* event) override;
    void keyPressEvent(QKeyEvent* e) override;
    void closeEvent(QCloseEvent* e) override;
    void showEvent(QShowEvent* e) override;

private:
    ExerciseServices& m_services;
    ExerciseFrameOptions m_options;
    QString m_path;
    QString m_marks;
    TPozycjeSlowek m_words;
};
