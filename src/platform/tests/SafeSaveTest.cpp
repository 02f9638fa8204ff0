#include "SafeSave.h"

#include "TestSupport.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <unistd.h>

#include <gtest/gtest.h>

TEST(SafeSave, ReplacesTheWholeFileAndLeavesNoTemporaryBehind)
{
    QTemporaryDir tmp;
    const QString path = tmp.filePath("usr.txt");
    testsupport::writeAll(path, "old contents that are longer");
    ASSERT_TRUE(SaveFileAtomically(path, "new").ok());
    EXPECT_EQ(testsupport::readAll(path), QByteArray("new"));
    EXPECT_EQ(QDir(tmp.path()).entryList(QDir::Files), QStringList{"usr.txt"});
}

TEST(SafeSave, FailureKeepsTheOldFileAndNamesThePath)
{
    QTemporaryDir tmp;
    const QString path = tmp.filePath("locked/usr.txt");
    testsupport::writeAll(path, "precious");
    // A folder that cannot be written to: the temporary file cannot be created.
    QFile::setPermissions(tmp.filePath("locked"), QFileDevice::ReadOwner | QFileDevice::ExeOwner);
    if (QFileInfo(tmp.filePath("locked")).isWritable() && ::geteuid() == 0)
        GTEST_SKIP() << "root ignores folder permissions";
    const Status s = SaveFileAtomically(path, "new");
    QFile::setPermissions(tmp.filePath("locked"), QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
    ASSERT_FALSE(s.ok());
    EXPECT_EQ(s.failure().file, path);
    EXPECT_EQ(testsupport::readAll(path), QByteArray("precious"));
}

TEST(SafeSave, MissingFolderIsAFailureNotACrash)
{
    QTemporaryDir tmp;
    const Status s = SaveFileAtomically(tmp.filePath("no/such/dir/f.txt"), "x");
    EXPECT_FALSE(s.ok());
    EXPECT_EQ(s.failure().caption, QStringLiteral("Błąd"));
}
