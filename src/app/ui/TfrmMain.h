#pragma once

#include "ShellHooks.h"

#include <QWidget>

class HotArea;
class IModalRunner;
class PictureBox;
class TAALabel;
class TfrmPodklad;
class TLumBelka;
class TLumGroupFrame;
class TLumResButton;
struct ShellContext;

// The learner's home page after login (1024 × 768): four entries (learning,
// reviews, the handbook, the pronunciation trainer), a title bar showing who
// is logged in, and title-bar buttons for the settings and for logging out.
// The window sees every key first and lets none through to its controls.
class TfrmMain : public QWidget {
    Q_OBJECT
public:
    TfrmMain(ShellContext& ctx, IModalRunner& modal, const ShellHooks& hooks);

    // The windows whose texts follow the interface language with this one:
    // the exercise selection window (its title bar, expand, collapse and
    // print buttons and navigation buttons are found by name) and the
    // background window (its waiting label).
    void setCompanions(QWidget* selection, TfrmPodklad* background);

    // Puts the interface texts of the current language on this window and its
    // companions and loads the background of the interface language. A
    // missing background is reported and the old one stays.
    void ApplyInterfaceTexts();

    // The start sound plays when the window is next shown (set at login).
    void setPlayStartSound(bool v) { m_playStartSound = v; }
    bool playStartSound() const { return m_playStartSound; }

    // The title bar shows the logged-in learner.
    void UpdateTitleBar();

    // The logout question; on Yes, logoutConfirmed().
    void Logout();
    // Opens the settings window; a saved change of the interface language
    // emits interfaceLanguageChosen().
    void OpenSettingsWindow();

    TLumBelka* Belka;
    TLumResButton* btnBelkaUstawienia;
    TLumResButton* btnWyloguj;
    PictureBox* IMG_Tlo;
    PictureBox *imgNauka, *imgPowtorki, *imgPodrecznik, *imgTrener;
    TAALabel *btnSpisCwiczen, *btnPowtorki, *btnPodrecznik, *btnTrener;
    HotArea *PaintBox1, *PaintBox2, *PaintBox3, *PaintBox4, *PaintBox5;
    PictureBox* imgLogo;
    TLumGroupFrame* Ramka;

signals:
    void learningRequested();
    void handbookRequested();
    void trainerRequested();
    void publisherSiteRequested();
    void logoutConfirmed();
    void interfaceLanguageChosen(int id);

protected:
    void showEvent(QShowEvent*) override;
    void keyPressEvent(QKeyEvent*) override;
    bool event(QEvent*) override;
    void closeEvent(QCloseEvent*) override;

private:
    void addEntry(PictureBox*& picture, TAALabel*& label, HotArea*& area, const char* pictureName,
                  const char* labelName, const char* areaName, const QString& caption, int labelY, int areaY);
    void frameArea(HotArea* area);

    ShellContext& m_ctx;
    IModalRunner& m_modal;
    const ShellHooks& m_hooks;
    QWidget* m_selection = nullptr;
    TfrmPodklad* m_background = nullptr;
    bool m_playStartSound = false;
};
