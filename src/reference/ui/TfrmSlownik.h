#pragma once

#include "DictionaryFile.h"
#include "DictionaryLayout.h"
#include "DictionaryModel.h"

#include <QFuture>
#include <QFutureWatcher>
#include <QList>
#include <QWidget>

class QLineEdit;
class TLumCheckBox;
class TLumDialogWindow;
class TLumGroupFrame;
class TLumResButton;
class TWOwnrScrllBar;
struct ShellContext;

// frmSlownik, the dictionary window: a bilingual word list searched in the
// words or the translations, optionally for whole words, or browsed by initial
// letter. Created once at start-up and shown and hidden; exercise windows
// look a word up with ShowWord (a right click on a word).
//
// The window shows a DictionaryModel and forwards the learner's actions to it.
// The dictionary file (AppDir\Config\Slownik.txt unless another is given) is
// loaded when the window is created, on a pool thread; the index moves into
// the model when it is ready, and a search or look-up that comes earlier
// waits for it. A file that is missing or cannot be read leaves the list empty.
class TfrmSlownik final : public QWidget {
    Q_OBJECT
public:
    explicit TfrmSlownik(ShellContext& ctx, const QString& dictionaryFile = {}, QWidget* parent = nullptr);
    ~TfrmSlownik() override;

    // The right-click look-up: reduces `word` to its dictionary form, puts it
    // into the search box, shows the window and searches. An empty form (a
    // word of digits or punctuation) does nothing.
    void ShowWord(const QString& word);

    // The form under which a word from an exercise is looked up (see
    // DictionaryModel::DictionaryForm).
    QString DictionaryForm(const QString& word);

    // The search box (btnSzukaj, Enter): searches for the text of edtSzukaj.
    void Search();
    // A letter button by its tag (97 … 122, 123 for all entries).
    void PressLetter(int tag);

    // Waits until the dictionary file has been loaded (at most once).
    void waitForDictionary();
    bool dictionaryReady() const { return m_loaded; }
    const DictionaryModel& model() const { return m_model; }
    int scrollPosition() const;
    // The list's font measures, as painting uses them.
    DictionaryMetrics metrics() const;
    // The 27 letter buttons while the window is shown (none while hidden).
    QList<TLumResButton*> letterButtons() const;

    TLumDialogWindow* LumDialogWindow1;
    TLumResButton* btnClose;
    QWidget* Image1;
    TLumGroupFrame* LumGroupFrame1;
    TLumGroupFrame* LumGroupFrame2;
    TLumGroupFrame* LumGroupFrame3;
    QLineEdit* edtSzukaj;
    TLumResButton* btnSzukaj;
    TLumCheckBox* rdSzukajSlowka;
    TLumCheckBox* rdSzukajTlumaczenia;
    TLumCheckBox* chkCaleWyrazy;
    QWidget* pbSlownik;
    TWOwnrScrllBar* ScrollBar;

protected:
    void showEvent(QShowEvent* e) override;
    void hideEvent(QHideEvent* e) override;
    void keyPressEvent(QKeyEvent* e) override;
    void wheelEvent(QWheelEvent* e) override;
    bool event(QEvent* e) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void buildControls();
    void createLetterButtons();
    void destroyLetterButtons();
    void dictionaryLoaded();
    void syncOptions();
    void listChanged(); // scroll to the top, new scroll range, repaint
    void paintList(QPainter& p);
    QString uiText(int id, const QString& fallback) const;

    ShellContext& m_ctx;
    DictionaryModel m_model;
    QFuture<Expected<LoadedDictionary>> m_future;
    QFutureWatcher<Expected<LoadedDictionary>> m_watcher;
    bool m_loaded = false;
};
