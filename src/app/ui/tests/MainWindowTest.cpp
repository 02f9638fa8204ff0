// The main window: entries, frame, title bar, keys, logout, settings, texts.
#include "ShellTestKit.h"

#include "HotArea.h"
#include "PictureBox.h"
#include "ProgramModeDetection.h"
#include "TAALabel.h"
#include "TLumBelka.h"
#include "TLumGroupFrame.h"
#include "TLumResButton.h"
#include "TfrmMain.h"
#include "TfrmPodklad.h"
#include "TfrmUstawienia.h"
#include "LanguageList.h"
#include "UserProfiles.h"

#include <QSignalSpy>

#include <gtest/gtest.h>

using namespace uidrive;

namespace {

struct MainFixture {
    explicit MainFixture(ShellTestKit& kit) : w(kit.ctx, kit.modal, kit.hooks)
    {
        kit.settings.User = TUser{2, QStringLiteral("Ola"), QStringLiteral("K"), 13, false, {}};
        w.setCompanions(&selection, &background);
        w.ApplyInterfaceTexts();
        w.show();
        EXPECT_TRUE(QTest::qWaitForWindowExposed(&w));
    }
    TfrmMain w;
    QWidget selection;
    TfrmPodklad background;
};

} // namespace

TEST(MainWindow, EntriesReportTheirActionsAndTheFrameFollowsTheMouse)
{
    ShellTestKit kit;
    MainFixture f(kit);
    QSignalSpy learning(&f.w, &TfrmMain::learningRequested);
    QSignalSpy handbook(&f.w, &TfrmMain::handbookRequested);
    QSignalSpy trainer(&f.w, &TfrmMain::trainerRequested);
    QSignalSpy site(&f.w, &TfrmMain::publisherSiteRequested);

    struct Case {
        HotArea* area;
        QRect geometry;
    } cases[] = {{f.w.PaintBox1, {608, 160, 353, 84}}, {f.w.PaintBox2, {608, 266, 353, 84}},
                 {f.w.PaintBox4, {608, 372, 353, 84}}, {f.w.PaintBox5, {608, 478, 353, 84}},
                 {f.w.PaintBox3, {14, 726, 95, 28}}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.area->objectName().toStdString());
        EXPECT_EQ(c.area->geometry(), c.geometry);
        hover(&f.w, c.geometry.center());
        EXPECT_TRUE(f.w.Ramka->isVisible());
        EXPECT_EQ(f.w.Ramka->geometry(), c.geometry);
        click(&f.w, c.geometry.center());
    }
    hover(&f.w, QPoint(300, 400));
    EXPECT_FALSE(f.w.Ramka->isVisible());
    EXPECT_EQ(learning.count(), 1);
    EXPECT_EQ(handbook.count(), 1);
    EXPECT_EQ(trainer.count(), 1);
    EXPECT_EQ(site.count(), 1);
    // reviews: the notice of this version
    ASSERT_EQ(kit.messages.shown.size(), 1);
    EXPECT_EQ(kit.messages.shown[0].text, kit.ctx.UiText(125));
    EXPECT_EQ(kit.messages.shown[0].caption, kit.ctx.UiText(59));
}

TEST(MainWindow, ShowsTheLearnerPlaysTheStartSoundOnceAndAppliesTexts)
{
    ShellTestKit kit;
    MainFixture f(kit);
    EXPECT_EQ(f.w.Belka->Zalogowany(), QStringLiteral("Ola"));
    EXPECT_EQ(f.w.Belka->Plec(), QChar(u'K'));
    EXPECT_TRUE(kit.sounds.isEmpty());
    f.w.hide();
    f.w.setPlayStartSound(true);
    f.w.show();
    f.w.hide();
    f.w.show();
    EXPECT_EQ(kit.sounds, QStringList{QStringLiteral("WAV_START")});
    EXPECT_EQ(f.w.btnSpisCwiczen->Caption(), kit.ctx.UiText(28));
    EXPECT_EQ(f.w.btnWyloguj->Caption(), kit.ctx.UiText(112));
    EXPECT_EQ(f.w.btnBelkaUstawienia->Caption(), kit.ctx.UiText(25));
    EXPECT_EQ(f.background.lblWait->Caption(), kit.ctx.UiText(109));
    EXPECT_EQ(f.w.IMG_Tlo->picture().pixelColor(500, 300), QColor(30, 100, 170)); // bg_start_1.png
}

// Every key stops at the window: F1 is help, Alt+F4 the exit question.
TEST(MainWindow, KeysAreTakenByTheWindow)
{
    ShellTestKit kit;
    MainFixture f(kit);
    key(&f.w, Qt::Key_A);
    key(&f.w, Qt::Key_Return);
    EXPECT_TRUE(kit.helpPages.isEmpty());
    key(&f.w, Qt::Key_F1);
    key(&f.w, Qt::Key_F4, Qt::AltModifier);
    EXPECT_EQ(kit.helpPages, QStringList{QStringLiteral("h_index.html")});
    EXPECT_EQ(kit.exitQuestions, 1);
    EXPECT_TRUE(kit.messages.shown.isEmpty());
}

TEST(MainWindow, LogoutAsksFirst)
{
    ShellTestKit kit;
    MainFixture f(kit);
    QSignalSpy logout(&f.w, &TfrmMain::logoutConfirmed);
    kit.messages.queueAnswer(0);
    click(f.w.btnWyloguj);
    EXPECT_EQ(logout.count(), 0);
    kit.messages.queueAnswer(1);
    click(f.w.btnWyloguj);
    EXPECT_EQ(logout.count(), 1);
    EXPECT_EQ(kit.shownTexts(), QStringList(2, kit.ctx.UiText(78)));
    EXPECT_EQ(kit.messages.shown[0].caption, kit.ctx.UiText(33));
}

// A saved change of the interface language is handed on; the background
// follows the new language once the texts are applied again.
TEST(MainWindow, SettingsLanguageChangeIsHandedOn)
{
    ShellTestKit kit;
    MainFixture f(kit);
    QSignalSpy chosen(&f.w, &TfrmMain::interfaceLanguageChosen);
    ASSERT_TRUE(CreateDefaultConfig(kit.inst, 2).ok());
    kit.modal.queue([&](QDialog& d) {
        auto& s = static_cast<TfrmUstawienia&>(d);
        s.cbLang->setCurrentIndex(s.cbLang->indexOfId(1));
        click(s.btnZapisz);
    });
    click(f.w.btnBelkaUstawienia);
    ASSERT_EQ(chosen.count(), 1);
    EXPECT_EQ(chosen[0][0].toInt(), 1);
    EXPECT_EQ(kit.settings.InterfaceLanguage, 1);
    kit.loadTexts(1);
    f.w.ApplyInterfaceTexts();
    EXPECT_EQ(f.w.IMG_Tlo->picture().pixelColor(500, 300), QColor(160, 60, 60)); // bg_start_2.png
    EXPECT_EQ(f.w.btnWyloguj->Caption(), QStringLiteral("Log out"));
}

TEST(MainWindow, MissingBackgroundIsReportedAndTheOldOneStays)
{
    ShellTestKit kit;
    MainFixture f(kit);
    kit.settings.InterfaceLanguage = 4; // bg_start_5.png is not there
    f.w.ApplyInterfaceTexts();
    ASSERT_EQ(kit.messages.shown.size(), 1);
    EXPECT_TRUE(kit.messages.shown[0].text.contains(QStringLiteral("bg_start_5.png")));
    EXPECT_EQ(f.w.IMG_Tlo->picture().pixelColor(500, 300), QColor(30, 100, 170));
}

TEST(ProgramModeDetection, FileNamesDecideOrTheLearnerIsAsked)
{
    struct Case {
        QStringList files;
        int answer;   // -1: no question expected
        int mode;
        const char* help;
    } cases[] = {
        {{"tf_01.xml"}, -1, 2, "\\Pomoc - Varda"},
        {{"odk_01.xml"}, -1, 1, "\\Pomoc - Selko"},
        {{"tek_01.xml"}, -1, 3, "\\Pomoc - Brenn"},
        {{"tf_01.xml", "odk_01.xml"}, -1, 3, "\\Pomoc - Brenn"},
        {{"dial_01.xml"}, 1, 2, "\\Pomoc - Varda"},
        {{}, 0, 1, "\\Pomoc - Selko"},
        {{"TF_01.xml"}, 0, 1, "\\Pomoc - Selko"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.files.join(u' ').toStdString());
        ShellTestKit kit;
        for (const QString& name : c.files)
            testsupport::writeAll(kit.file(QStringLiteral("Dane/") + name), "<x/>");
        if (c.answer >= 0)
            kit.messages.queueAnswer(c.answer);
        EXPECT_EQ(DetectProgramMode(kit.ctx), c.mode);
        EXPECT_EQ(kit.inst.programMode, c.mode);
        EXPECT_EQ(kit.inst.helpDir, QLatin1String(c.help));
        ASSERT_EQ(kit.messages.shown.size(), c.answer >= 0 ? 1 : 0);
        if (c.answer >= 0) {
            EXPECT_EQ(kit.messages.shown[0].caption, QStringLiteral("Pytanie"));
            EXPECT_EQ(kit.messages.shown[0].kind, MsgBoxKind::Question);
        }
    }
}
