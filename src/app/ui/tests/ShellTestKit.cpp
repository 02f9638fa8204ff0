#include "ShellTestKit.h"

#include "Definitions.h"
#include "TDrzewo.h"

#include <QApplication>
#include <QDir>
#include <QImage>

#include <gtest/gtest.h>

ShellTestKit::ShellTestKit()
{
    inst.appDir = testsupport::copyFixture(QStringLiteral(FIXTURES_DIR "/inst"), tmp);
    inst.programMode = 1;
    inst.helpDir = QStringLiteral("\\Pomoc - Selko");
    QDir(inst.appDir).mkpath(QStringLiteral("Users"));
    QDir(inst.appDir).mkpath(QStringLiteral("Dane"));
    uidrive::writePicture(file(QStringLiteral("Gfx/bg.bmp")), QColor(40, 80, 140));
    uidrive::writePicture(file(QStringLiteral("Gfx/bg_start_1.png")), QColor(30, 100, 170));
    uidrive::writePicture(file(QStringLiteral("Gfx/bg_start_2.png")), QColor(160, 60, 60));
    loadTexts(0);
    hooks.showHelp = [this](const QString& page, QWidget*) { helpPages << page; };
    hooks.askExit = [this] { ++exitQuestions; };
    hooks.minimize = [this] { ++minimized; };
    hooks.playSound = [this](const QString& s) { sounds << s; };
}

void ShellTestKit::loadTexts(int language)
{
    inst.interfaceLanguage = language;
    TDrzewo tree;
    const Status s = LoadDefinitions(inst, tree);
    EXPECT_TRUE(s.ok());
}
