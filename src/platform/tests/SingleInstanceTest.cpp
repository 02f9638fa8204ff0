#include "ExecutableFolder.h"
#include "SingleInstance.h"
#include "TestSupport.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <csignal>
#include <sys/wait.h>
#include <unistd.h>

TEST(SingleInstanceLock, SecondHolderIsRefusedUntilTheFirstLetsGo)
{
    QTemporaryDir dir;
    {
        SingleInstanceLock first(QStringLiteral("Orvanta60"), dir.path());
        ASSERT_TRUE(first.acquired());
        SingleInstanceLock second(QStringLiteral("Orvanta60"), dir.path());
        EXPECT_FALSE(second.acquired());
        SingleInstanceLock other(QStringLiteral("Other"), dir.path());
        EXPECT_TRUE(other.acquired());
    }
    SingleInstanceLock again(QStringLiteral("Orvanta60"), dir.path());
    EXPECT_TRUE(again.acquired());
}

// A process killed while holding the lock leaves its file behind but not its lock.
TEST(SingleInstanceLock, KilledHolderDoesNotBlockTheNextStart)
{
    QTemporaryDir dir;
    int ready[2];
    ASSERT_EQ(::pipe(ready), 0);
    const pid_t child = ::fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        SingleInstanceLock lock(QStringLiteral("Orvanta60"), dir.path());
        const char c = lock.acquired() ? 'y' : 'n';
        (void)!::write(ready[1], &c, 1);
        for (;;)
            ::pause();
    }
    char c = 0;
    ASSERT_EQ(::read(ready[0], &c, 1), 1);
    EXPECT_EQ(c, 'y');
    {
        SingleInstanceLock whileRunning(QStringLiteral("Orvanta60"), dir.path());
        EXPECT_FALSE(whileRunning.acquired());
    }
    ::kill(child, SIGKILL);
    ::waitpid(child, nullptr, 0);
    EXPECT_TRUE(QFile::exists(dir.filePath(QStringLiteral("Orvanta60.lock"))));
    SingleInstanceLock afterCrash(QStringLiteral("Orvanta60"), dir.path());
    EXPECT_TRUE(afterCrash.acquired());
    ::close(ready[0]);
    ::close(ready[1]);
}

TEST(ExecutableFolder, LinkInTheInstallationGivesTheInstallation)
{
    QTemporaryDir dir;
    const QString build = dir.filePath(QStringLiteral("build/bin"));
    const QString inst = dir.filePath(QStringLiteral("sample/selko"));
    QDir().mkpath(build);
    QDir().mkpath(inst);
    testsupport::writeAll(build + QStringLiteral("/orvanta"), "#!/bin/sh\n");
    QFile::setPermissions(build + QStringLiteral("/orvanta"), QFile::ReadOwner | QFile::ExeOwner);
    ASSERT_TRUE(QFile::link(build + QStringLiteral("/orvanta"), inst + QStringLiteral("/orvanta")));
    const QString image = build + QStringLiteral("/orvanta");

    struct Case {
        const char* argv0;
        QString start;
        QByteArray path;
        QString expected;
    } cases[] = {
        {"sample/selko/orvanta", dir.path(), "/usr/bin", inst},             // relative, through the link
        {"./orvanta", inst, "/usr/bin", inst},                              // from inside the installation
        {"../selko/./orvanta", inst, "", inst},                             // dots removed by text
        {"orvanta", dir.path(), QFile::encodeName(inst), inst},             // found in PATH
        {"orvanta", dir.path(), "/nowhere", build},                          // not found: the running image
        {"/missing/orvanta", dir.path(), "", build},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.argv0);
        const QString got = ExecutableFolder(c.argv0, c.start, c.path, image);
        EXPECT_EQ(QDir::cleanPath(got), QDir::cleanPath(c.expected));
    }
    // An absolute start path keeps the link's folder too.
    const QByteArray absolute = QFile::encodeName(inst + QStringLiteral("/orvanta"));
    EXPECT_EQ(ExecutableFolder(absolute.constData(), QStringLiteral("/"), "", image), inst);
}
