#pragma once

#include "Course.h"
#include "ExerciseOpening.h"
#include "Failure.h"
#include "NavState.h"

#include <QFont>
#include <QHash>
#include <QObject>
#include <QPointer>

#include <functional>
#include <memory>

struct ShellContext;
class QWidget;
class TfrmPodklad;
class TfrmWyborCwiczenia;
class TLumBelka;
class TLumResButton;

// The navigation form: a window that is never shown and lives for the whole
// run. It owns the course (tree, flat list, shortcut table), the navigation
// state with ResultPending, and the dispatch that opens an exercise's window;
// it adds the navigation bar (help, dictionary, back, minimise, close and the
// numbered sibling buttons) to the windows that want one.
//
// Exercise windows plug in through RegisterOpener (one line per kind where the
// program starts); a kind whose window has no opener yet gets the dispatch's
// "Brak formy ćwiczenia o typie N" message.
class TfrmNawigacja : public QObject {
    Q_OBJECT
public:
    // Bits of AddNavigationBar's flags.
    enum NavigationBarFlag { SiblingButtons = 1, HelpButton = 2, BackButton = 4, WindowButtons = 8, DictionaryButton = 16 };

    explicit TfrmNawigacja(ShellContext& ctx, QObject* parent = nullptr);
    ~TfrmNawigacja() override;

    ShellContext& context() const { return m_ctx; }
    Course& course() { return m_course; }
    const QList<TElement*>& FlatList() const { return m_course.flatList; }
    TNawigacjaDrzewa& NavState() { return m_nav; }
    bool& ResultPending() { return m_nav.ResultPending; }

    // Start-up: the definitions in the current interface language, the scan
    // of Dane (with the progress window), the shortcut table; the navigation
    // state points nowhere. A scan error is shown and the course read so far
    // kept; a definitions error is returned for main to show before it ends.
    Status LoadCourseAtStartup();

    // The course's half of an interface-language switch: sets the language,
    // empties the selection list and, with `rebuild`, reads the definitions,
    // shortcuts, exercise files and the learner's results again, flattens the
    // tree and refills the selection list. A definitions error is shown and
    // exitRequested() emitted.
    void SwitchInterfaceLanguage(int id, bool rebuild);

    // Reads the logged-in learner's results into the course (progress window
    // with interface text 52). A missing file is recreated and its notice
    // shown; an unreadable one is left alone and reported. No learner, no read.
    void ReadUserResults();

    // Rebuilds the flat list from the tree (the learning entry).
    void RebuildFlatList();

    // Adds the navigation bar's buttons to `window` by `flags` and hands the
    // skin to them; RemoveNavigationBar takes every child whose name holds
    // "btn_nawigacja_" off the window and frees it once control returns to
    // the event loop (a bar button may be the one closing the window). The
    // window's objectName is its form name ("frmTest2"),
    // which chooses the help page.
    void AddNavigationBar(QWidget* window, int flags);
    void RemoveNavigationBar(QWidget* window);

    // The title bar of an exercise or course window: the logged-in learner.
    void SetupTitleBar(TLumBelka* belka);
    // A glyph of the navigation form into a button (state 1 normal, 2 hot, 3 pressed).
    void SetButtonGlyph(TLumResButton* button, const QString& imageName, int state);

    // The opener of the window class `windowClass` ("TfrmTest2", ...).
    void RegisterOpener(const QString& windowClass, ExerciseOpener opener);

    // The dispatch: the full path AppDir\Dane\<file>, the opener by kind, the
    // missing-window message for a kind without one. When a window opens the
    // selection window is hidden; when none opens the selection window is
    // shown with its list enabled, so the learner is never left without one.
    void OpenExercise(int kind, const QString& file, const QString& marks);
    // SetCurrent(node), then OpenExercise with the node's kind, file and marks.
    void OpenNode(TElement* node);

    // Records the result of the current exercise shown in `window` (see
    // ResultsStore::RecordResult); a window that offers no result source
    // records 0 when a result is pending. A write error is shown.
    void RecordResult(QWidget* window);

    // The background window whose one-shot timer opens the next exercise of a
    // sibling switch. Without one the form keeps a hidden one of its own.
    void SetBackgroundWindow(TfrmPodklad* background);
    TfrmPodklad* BackgroundWindow();
    bool SwitchInProgress() const;

    // The table of contents registers itself when it is created.
    void SetSelectionWindow(TfrmWyborCwiczenia* selection);
    TfrmWyborCwiczenia* SelectionWindow() const;

    // What the bar's dictionary button opens (the dictionary window); without
    // one the button shows the notice that the function is not available.
    void SetDictionaryAction(std::function<void()> open) { m_openDictionary = std::move(open); }
    // What Back stops besides the sounds of the audio service (the shared
    // player).
    void SetStopAllSound(std::function<void()> stop) { m_stopAllSound = std::move(stop); }

    // White "Trebuchet MS": the captions of the bar's text buttons.
    QFont btnCaptionFont;

    // The bar's actions, as its buttons run them.
    void SiblingSwitch(QWidget* window, int i);
    void ShowHelpFor(QWidget* window);
    void Back(QWidget* window);
    void CloseProgram();
    void OpenDictionary();

signals:
    void exitRequested();      // the learner confirmed the exit question
    void minimizeRequested();  // minimise the application
    void showMainRequested();  // Back on the selection window: the main window in front
    void exerciseOpened(QWidget* window); // an opener returned a window

private:
    CourseLoadOutcome reloadCourse();
    void openCurrentAfterSwitch();
    void showSelectionAgain();

    ShellContext& m_ctx;
    Course m_course;
    TNawigacjaDrzewa m_nav;
    QHash<QString, ExerciseOpener> m_openers;
    QPointer<TfrmPodklad> m_background;
    std::unique_ptr<TfrmPodklad> m_ownBackground;
    QPointer<TfrmWyborCwiczenia> m_selection;
    std::function<void()> m_openDictionary;
    std::function<void()> m_stopAllSound;
};
