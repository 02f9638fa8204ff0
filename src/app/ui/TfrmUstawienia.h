#pragma once

#include "ShellHooks.h"

#include <QDialog>

class IModalRunner;
class LanguageList;
class QSpinBox;
class TAALabel;
class TLumCheckBox;
class TLumDialogWindow;
class TLumResButton;
struct ShellContext;

// The settings window (437 × 391): the learner's interface and translation
// languages and checking options, the version line and the updater button.
class TfrmUstawienia : public QDialog {
    Q_OBJECT
public:
    TfrmUstawienia(ShellContext& ctx, const ShellHooks& hooks, QWidget* parent = nullptr);

    // The interface texts and the version line, set before the window shows.
    void PrepareShowing();

    bool Saved() const { return m_saved; }
    bool LanguageChanged() const { return m_languageChanged; }
    // The settings the controls now hold, applied to `into`.
    void ApplyTo(struct TUstawienia& into) const;

    // Starts AppDir\Autoupdate.exe without arguments, detached; a notice when
    // it is missing or cannot be started.
    void StartUpdater();

    // The version line: "<course word> 6.0 (APP: 6001; RES: 6001)".
    static QString VersionLine(int programMode, const QString& appVersion, const QString& resVersion);

    TLumDialogWindow* DialogWindow;
    TAALabel *lblLang1, *lblLang2, *lblProgPowtorek, *lblAPP;
    LanguageList *cbLang, *cbLang2;
    TLumCheckBox *chArchiwizuj, *chCzyPowtorki, *chInterpunkcja, *chWielkoscLiter;
    QSpinBox* eProgPowtorek;
    TLumResButton *btnZapisz, *btnAnuluj, *btnClose, *btnAktualizuj;

protected:
    void keyPressEvent(QKeyEvent*) override;

private:
    ShellContext& m_ctx;
    const ShellHooks& m_hooks;
    bool m_saved = false;
    bool m_languageChanged = false;
};

struct SettingsOutcome {
    bool saved = false;           // Zapisz was pressed; the settings file was written
    bool languageChanged = false; // the interface language list was changed (the caller switches)
};

// Creates the settings window, runs it, applies and stores what was saved.
SettingsOutcome OpenSettings(ShellContext& ctx, IModalRunner& modal, const ShellHooks& hooks, QWidget* parent = nullptr);
