#include "WinPath.h"

#include "TestSupport.h"

#include <QDir>
#include <QTemporaryDir>

#include <gtest/gtest.h>

TEST(WinPath, ResolvesBackslashPathsAndMismatchedCase)
{
    QTemporaryDir tmp;
    const QString app = tmp.path();
    testsupport::writeAll(app + "/Dane/Paczki/pc_01.xml", "x");
    testsupport::writeAll(app + "/Config/cfg.ini", "x");

    struct Case {
        QString written;
        QString expected;
    } const cases[] = {
        {app + "\\Dane\\Paczki\\pc_01.xml", app + "/Dane/Paczki/pc_01.xml"},
        {app + "\\dane\\PACZKI\\PC_01.XML", app + "/Dane/Paczki/pc_01.xml"},
        {app + "\\CONFIG\\\\cfg.ini", app + "/Config/cfg.ini"},
        {app + "\\Dane\\", app + "/Dane"},
        // missing names keep their written tail
        {app + "\\dane\\Nope\\x.xml", app + "/Dane/Nope/x.xml"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.written.toStdString());
        EXPECT_EQ(ResolveWinPath(c.written), c.expected);
    }
    EXPECT_TRUE(WinFileExists(app + "\\DANE\\paczki\\Pc_01.xml"));
    EXPECT_FALSE(WinFileExists(app + "\\DANE"));
    EXPECT_TRUE(WinDirExists(app + "\\DANE"));
    EXPECT_EQ(WinJoin(app, "\\config\\CFG.INI"), app + "/Config/cfg.ini");
    EXPECT_EQ(WinFileName("Paczki\\a.xml"), "a.xml");
    EXPECT_EQ(WinFileName("a/b.xml"), "b.xml");
}

TEST(WinPath, ResolvesRelativePathsAgainstTheWorkingFolder)
{
    QTemporaryDir tmp;
    testsupport::writeAll(tmp.path() + "/Media/Teksty/a.wav", "x");
    const QString old = QDir::currentPath();
    QDir::setCurrent(tmp.path());
    EXPECT_EQ(ResolveWinPath("media\\TEKSTY\\A.WAV"), "Media/Teksty/a.wav");
    EXPECT_EQ(ResolveWinPath("..\\" + QDir(tmp.path()).dirName() + "\\media"), "../" + QDir(tmp.path()).dirName() + "/Media");
    QDir::setCurrent(old);
}
