// The settings window: its lists, options, version line, the updater and what
// saving writes into the learner's settings file.
#include "ShellTestKit.h"

#include "LanguageList.h"
#include "PeModuleWriter.h"
#include "TAALabel.h"
#include "TLumCheckBox.h"
#include "TLumDialogWindow.h"
#include "TLumResButton.h"
#include "TfrmUstawienia.h"
#include "UserConfig.h"
#include "UserProfiles.h"

#include <QDir>
#include <QSpinBox>

#include <gtest/gtest.h>

using namespace uidrive;

namespace {

TfrmUstawienia& settingsOf(QDialog& d)
{
    return static_cast<TfrmUstawienia&>(d);
}

// The learner 5 with the default settings file.
void logIn(ShellTestKit& kit)
{
    kit.settings.User.Id = 5;
    ASSERT_TRUE(CreateDefaultConfig(kit.inst, 5).ok());
}

TUstawienia readBack(ShellTestKit& kit)
{
    TUstawienia s;
    s.User.Id = 5;
    (void)ReadUserConfig(kit.inst, s);
    return s;
}

QStringList items(const LanguageList* l)
{
    QStringList out;
    for (int i = 0; i < l->count(); ++i)
        out << l->itemText(i);
    return out;
}

} // namespace

TEST(SettingsWindow, ShowsTheLanguagesOptionsAndVersion)
{
    ShellTestKit kit;
    logIn(kit);
    kit.settings.InterfaceLanguage = 0;
    kit.settings.TranslationLanguage = 2;
    kit.settings.ReviewThreshold = 75;
    kit.settings.LetterCase = false;
    // a skin library whose version resource says 6.0.1.0
    PeModuleWriter dll;
    dll.setVersion({6, 0, 1, 0});
    testsupport::writeAll(kit.file(QStringLiteral("resource.dll")), dll.build());

    kit.modal.queue([&](QDialog& d) {
        TfrmUstawienia& w = settingsOf(d);
        EXPECT_EQ(items(w.cbLang), (QStringList{"polski=0", "english=1", "deutsch=2", "español=4"}));
        EXPECT_EQ(items(w.cbLang2), (QStringList{"BRAK TŁUMACZEŃ=255", "polski=0", "deutsch=2"}));
        EXPECT_EQ(w.cbLang->selectedId(), 0);
        EXPECT_EQ(w.cbLang2->selectedId(), 2);
        EXPECT_EQ(w.cbLang->displayName(QStringLiteral("spanish=4")), QStringLiteral("Español"));
        EXPECT_EQ(w.cbLang2->displayName(QStringLiteral("spanish=4")), QStringLiteral("Spanish"));
        EXPECT_TRUE(w.chArchiwizuj->isVisible());
        EXPECT_TRUE(w.chCzyPowtorki->Checked());
        EXPECT_EQ(w.eProgPowtorek->value(), 75);
        EXPECT_FALSE(w.chWielkoscLiter->Checked());
        EXPECT_EQ(w.chInterpunkcja->Caption(), kit.ctx.UiText(110) + QStringLiteral("   "));
        EXPECT_EQ(w.lblProgPowtorek->width(), 7 * kit.ctx.UiText(89).size());
        EXPECT_EQ(w.DialogWindow->Caption(), kit.ctx.UiText(25));
        EXPECT_EQ(w.lblAPP->Caption(), QStringLiteral("Selko 6.0 (APP: 6001; RES: 6010)"));
        key(&w, Qt::Key_F1);
        key(&w, Qt::Key_Escape);
    });
    const SettingsOutcome out = OpenSettings(kit.ctx, kit.modal, kit.hooks);
    EXPECT_FALSE(out.saved);
    EXPECT_EQ(kit.helpPages, QStringList{QStringLiteral("h_pres.html")});
    EXPECT_EQ(TfrmUstawienia::VersionLine(2, QStringLiteral("6001"), QStringLiteral("0000")),
              QStringLiteral("Varda 6.0 (APP: 6001; RES: 0000)"));
}

TEST(SettingsWindow, SavingWritesEveryOptionIntoTheSettingsFile)
{
    ShellTestKit kit;
    logIn(kit);
    kit.modal.queue([&](QDialog& d) {
        TfrmUstawienia& w = settingsOf(d);
        w.cbLang2->setCurrentIndex(0); // no translations
        click(w.chArchiwizuj);
        click(w.chCzyPowtorki);
        w.eProgPowtorek->setValue(90);
        click(w.chInterpunkcja);
        click(w.chWielkoscLiter);
        click(w.btnZapisz);
    });
    const SettingsOutcome out = OpenSettings(kit.ctx, kit.modal, kit.hooks);
    EXPECT_TRUE(out.saved);
    EXPECT_FALSE(out.languageChanged);
    const TUstawienia s = readBack(kit);
    EXPECT_EQ(s.TranslationLanguage, 255);
    EXPECT_TRUE(s.ArchiveRecordings);
    EXPECT_FALSE(s.ReviewsOn);
    EXPECT_EQ(s.ReviewThreshold, 90);
    EXPECT_TRUE(s.PunctuationRules);
    EXPECT_FALSE(s.LetterCase);
    EXPECT_EQ(s.InterfaceLanguage, 0);
    EXPECT_EQ(kit.settings.ReviewThreshold, 90);
}

TEST(SettingsWindow, CancelCloseAndEscapeDiscardEveryChange)
{
    ShellTestKit kit;
    logIn(kit);
    const QByteArray before = testsupport::readAll(kit.file(QStringLiteral("Users/5_config.xml")));
    const TUstawienia settingsBefore = kit.settings;
    for (int way = 0; way < 3; ++way) {
        SCOPED_TRACE(way);
        kit.modal.queue([&](QDialog& d) {
            TfrmUstawienia& w = settingsOf(d);
            w.cbLang->setCurrentIndex(1);
            click(w.chCzyPowtorki);
            if (way == 0)
                click(w.btnAnuluj);
            else if (way == 1)
                click(w.btnClose);
            else
                key(w.cbLang, Qt::Key_Escape);
        });
        EXPECT_FALSE(OpenSettings(kit.ctx, kit.modal, kit.hooks).saved);
    }
    EXPECT_EQ(testsupport::readAll(kit.file(QStringLiteral("Users/5_config.xml"))), before);
    EXPECT_EQ(kit.settings, settingsBefore);
}

// Only a change event is recorded: choosing another language and then the
// old one again still counts as a change.
TEST(SettingsWindow, AnyChangeOfTheInterfaceListCountsAsALanguageChange)
{
    ShellTestKit kit;
    logIn(kit);
    kit.modal.queue([&](QDialog& d) {
        TfrmUstawienia& w = settingsOf(d);
        w.cbLang->setCurrentIndex(w.cbLang->indexOfId(2));
        w.cbLang->setCurrentIndex(w.cbLang->indexOfId(0));
        click(w.btnZapisz);
    });
    const SettingsOutcome out = OpenSettings(kit.ctx, kit.modal, kit.hooks);
    EXPECT_TRUE(out.saved && out.languageChanged);
    EXPECT_EQ(kit.settings.InterfaceLanguage, 0);
}

TEST(SettingsWindow, ModeTwoHidesTheArchiveOptionAndKeepsItsValue)
{
    ShellTestKit kit;
    logIn(kit);
    kit.inst.programMode = 2;
    kit.settings.ArchiveRecordings = true;
    kit.modal.queue([&](QDialog& d) {
        TfrmUstawienia& w = settingsOf(d);
        EXPECT_FALSE(w.chArchiwizuj->isVisible());
        EXPECT_TRUE(w.lblAPP->Caption().startsWith(QStringLiteral("Varda 6.0 (APP: 6001; RES: 0000)")));
        click(w.btnZapisz);
    });
    ASSERT_TRUE(OpenSettings(kit.ctx, kit.modal, kit.hooks).saved);
    EXPECT_TRUE(readBack(kit).ArchiveRecordings);
}

TEST(SettingsWindow, WithoutTranslationLanguagesOnlyNoTranslationsIsOffered)
{
    ShellTestKit kit;
    logIn(kit);
    const QString defs = kit.file(QStringLiteral("Config/definitions.xml"));
    QByteArray xml = testsupport::readAll(defs);
    xml.replace("trans=\"1\"", "trans=\"0\"");
    testsupport::writeAll(defs, xml);
    kit.modal.queue([&](QDialog& d) {
        TfrmUstawienia& w = settingsOf(d);
        EXPECT_EQ(items(w.cbLang2), QStringList{QStringLiteral("BRAK TŁUMACZEŃ=255")});
        click(w.btnZapisz);
    });
    ASSERT_TRUE(OpenSettings(kit.ctx, kit.modal, kit.hooks).saved);
    EXPECT_EQ(readBack(kit).TranslationLanguage, 255);
}

// An unreadable definitions file is reported; the window still works and
// saving keeps the interface language.
TEST(SettingsWindow, UnreadableDefinitionsLeaveAUsableWindow)
{
    ShellTestKit kit;
    logIn(kit);
    kit.settings.InterfaceLanguage = 1;
    testsupport::writeAll(kit.file(QStringLiteral("Config/definitions.xml")), "<definitions><languages>");
    kit.modal.queue([&](QDialog& d) {
        TfrmUstawienia& w = settingsOf(d);
        EXPECT_EQ(w.cbLang->count(), 0);
        click(w.chInterpunkcja);
        click(w.btnZapisz);
    });
    const SettingsOutcome out = OpenSettings(kit.ctx, kit.modal, kit.hooks);
    ASSERT_EQ(kit.messages.shown.size(), 1);
    EXPECT_TRUE(kit.messages.shown[0].text.startsWith(QStringLiteral("Błąd podczas odczytu pliku definicji.")));
    EXPECT_TRUE(out.saved);
    EXPECT_EQ(readBack(kit).InterfaceLanguage, 1);
    EXPECT_TRUE(readBack(kit).PunctuationRules);
}

TEST(SettingsWindow, UpdaterStartsWhenItCanAndSaysSoWhenNot)
{
    ShellTestKit kit;
    logIn(kit);
    const QString updater = kit.file(QStringLiteral("Autoupdate.exe"));
    const QString marker = kit.file(QStringLiteral("updater-ran"));
    struct Case {
        const char* name;
        std::function<void()> prepare;
        bool starts;
        const char* message;
    } cases[] = {
        {"missing", [] {}, false, "Nie znaleziono programu aktualizującego "},
        {"not executable",
         [&] { testsupport::writeAll(updater, "#!/bin/sh\n"); QFile::setPermissions(updater, QFile::ReadOwner | QFile::WriteOwner); },
         false, "Nie można uruchomić programu aktualizującego "},
        {"a program",
         [&] {
             testsupport::writeAll(updater, ("#!/bin/sh\ntouch '" + marker + "'\n").toUtf8());
             QFile::setPermissions(updater, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
         },
         true, nullptr},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        kit.messages.shown.clear();
        c.prepare();
        kit.modal.queue([&](QDialog& d) {
            click(settingsOf(d).btnAktualizuj);
            EXPECT_TRUE(d.isVisible()); // the window stays
            click(settingsOf(d).btnAnuluj);
        });
        (void)OpenSettings(kit.ctx, kit.modal, kit.hooks);
        if (c.starts) {
            EXPECT_TRUE(kit.messages.shown.isEmpty());
            for (int i = 0; i < 100 && !QFile::exists(marker); ++i)
                QTest::qWait(20);
            EXPECT_TRUE(QFile::exists(marker));
        } else {
            ASSERT_EQ(kit.messages.shown.size(), 1);
            EXPECT_TRUE(kit.messages.shown[0].text.startsWith(QString::fromUtf8(c.message)));
            EXPECT_TRUE(kit.messages.shown[0].text.contains(QStringLiteral("\\Autoupdate.exe")));
        }
    }
}
