#include "UserFiles.h"
#include "UserLine.h"
#include "UserList.h"
#include "UserProfiles.h"

#include "ProfilesFixture.h"

#include "AnsiText.h"
#include "TestSupport.h"

#include <QDir>
#include <QFileInfo>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

struct UserListFixture : ProfilesFixture {
    UserList load() const
    {
        auto list = LoadUserList(inst);
        EXPECT_TRUE(list.ok());
        return list.ok() ? *list : UserList{};
    }
    // The plain lines of usr.txt as stored on disk.
    QStringList linesOnDisk() const
    {
        QStringList out;
        for (const QByteArray& l : splitByteLines(testsupport::readAll(users + "usr.txt")))
            out.append(decodeAnsi(UnscrambleUserLine(l)));
        return out;
    }
};

TUser newUser(qint32 id, const QString& login)
{
    return TUser{id, login, QStringLiteral("M"), 20, false, {}};
}

} // namespace

TEST_F(UserListFixture, ListReadsPolishLoginsAndSavesByteForByte)
{
    const QByteArray original = testsupport::readAll(users + "usr.txt");
    const UserList list = load();
    ASSERT_EQ(list.count(), 3);
    EXPECT_EQ(list.lineText(0), QStringLiteral("1=Łucja=K=1=Haslo1=21"));
    const TUser pawel = list.user(1);
    EXPECT_EQ(pawel.Login, QStringLiteral("Paweł Żak"));
    EXPECT_EQ(pawel.Figure, 16);
    EXPECT_EQ(list.user(0).Password, QStringLiteral("Haslo1"));

    ASSERT_TRUE(SaveUserList(inst, list).ok());
    EXPECT_EQ(testsupport::readAll(users + "usr.txt"), original);
}

TEST_F(UserListFixture, OldListsReadBackWhateverTheirLineBreaks)
{
    // A line whose scrambled form holds a NUL, written before such logins were
    // refused, and a last line without CR LF, and a lone LF.
    const QByteArray nulLine = ScrambleUserLine(*encodeAnsi(QStringLiteral("7=Ała=K=0==10")));
    const QByteArray bytes = nulLine + "\r\n" + ScrambleUserLine("8=Ewa=K=0==11") + "\n" +
                             ScrambleUserLine("9=Iza=K=0==12");
    testsupport::writeAll(users + "usr.txt", bytes);
    const UserList list = load();
    ASSERT_EQ(list.count(), 3);
    EXPECT_EQ(list.user(0).Login, QStringLiteral("Ała"));
    EXPECT_EQ(list.user(2).Id, 9);
    ASSERT_TRUE(SaveUserList(inst, list).ok());
    EXPECT_EQ(testsupport::readAll(users + "usr.txt"),
              nulLine + "\r\n" + ScrambleUserLine("8=Ewa=K=0==11") + "\r\n" + ScrambleUserLine("9=Iza=K=0==12") + "\r\n");
}

TEST_F(UserListFixture, MissingListIsEmptyButAnUnreadableOneIsAFailure)
{
    QFile::remove(users + "usr.txt");
    EXPECT_TRUE(load().isEmpty());
    QDir().mkdir(users + "usr.txt"); // exists, cannot be read as a file
    const auto list = LoadUserList(inst);
    ASSERT_FALSE(list.ok());
    EXPECT_TRUE(list.failure().text.contains(QStringLiteral("Nie można odczytać")));
}

TEST(NewUserId, FollowsTheLastLine)
{
    const auto listOf = [](std::initializer_list<const char*> lines) {
        UserList l;
        for (const char* s : lines)
            l.lines.append(s);
        return l;
    };
    EXPECT_EQ(NewUserId(UserList{}), 1);
    EXPECT_EQ(NewUserId(listOf({"1=a", "2=b", "4=c"})), 5);
    EXPECT_EQ(NewUserId(listOf({"1=a", "4=c", "2=b"})), 3);
    // Lists edited by hand: never an Id that is taken or below 1.
    EXPECT_EQ(NewUserId(listOf({"3=a", "2=b"})), 4);
    EXPECT_EQ(NewUserId(listOf({"1=a", "bad"})), 2);
    EXPECT_EQ(NewUserId(listOf({"-1=a"})), 1);
}

TEST(UserIds, RemovedIdsAreGivenAgainOnlyFromTheEnd)
{
    QTemporaryDir tmp;
    QDir().mkpath(tmp.path() + "/Users");
    Installation inst;
    inst.appDir = tmp.path();
    const auto createNext = [&](UserList& list, const QString& login) {
        const qint32 id = NewUserId(list);
        EXPECT_TRUE(CreateProfile(inst, list, newUser(id, login)).ok());
        return id;
    };

    UserList list;
    EXPECT_EQ(createNext(list, "a"), 1);
    EXPECT_EQ(createNext(list, "b"), 2);
    EXPECT_EQ(createNext(list, "c"), 3);
    UserList other = list;

    ASSERT_TRUE(RemoveProfile(inst, list, 1).ok()); // profile 2
    EXPECT_EQ(createNext(list, "d"), 4);

    ASSERT_TRUE(SaveUserList(inst, other).ok());
    ASSERT_TRUE(RemoveProfile(inst, other, 2).ok()); // profile 3
    EXPECT_EQ(createNext(other, "e"), 3);
    EXPECT_EQ(other.lineText(2), QStringLiteral("3=e=M=0==20"));
}

TEST_F(UserListFixture, CreateWritesTheLineTheFilesAndTheFolders)
{
    UserList list = load();
    const TUser ewa{NewUserId(list), QStringLiteral("Ewa Ślęk"), QStringLiteral("K"), 13, true, QStringLiteral("abc")};
    ASSERT_EQ(ewa.Id, 4);
    QDir().mkdir(users + "4_Media_arch"); // already there: kept
    testsupport::writeAll(users + "4_Media_arch/old.wav", "x");

    ASSERT_TRUE(CreateProfile(inst, list, ewa).ok());
    EXPECT_EQ(linesOnDisk().last(), QStringLiteral("4=Ewa Ślęk=K=1=abc=13"));
    EXPECT_EQ(list.count(), 4);
    EXPECT_EQ(testsupport::readAll(users + "4_stat.xml"), EmptyResultsFileBytes());
    EXPECT_EQ(testsupport::readAll(users + "4_config.xml"), DefaultConfigFileBytes());
    EXPECT_TRUE(QFileInfo(users + "4_Media_temp").isDir());
    EXPECT_TRUE(exists("4_Media_arch/old.wav"));
}

TEST_F(UserListFixture, CreateAndReplaceRefuseWithoutChangingAnything)
{
    UserList list = load();
    const QByteArray before = testsupport::readAll(users + "usr.txt");
    struct Case {
        const char* what;
        TUser user;
    } const cases[] = {
        {"taken id", newUser(2, "Nowy")},
        {"id 0", newUser(0, "Nowy")},
        {"equals sign", newUser(4, "a=b")},
        {"scrambles into NUL", TUser{7, QStringLiteral("Ała"), QStringLiteral("K"), 10, false, {}}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        EXPECT_FALSE(CreateProfile(inst, list, c.user).ok());
        EXPECT_EQ(list.count(), 3);
        EXPECT_FALSE(exists(QString::number(c.user.Id) + "_Media_temp"));
    }
    EXPECT_FALSE(ReplaceProfile(inst, list, 0, newUser(1, "a=b")).ok());
    EXPECT_FALSE(ReplaceProfile(inst, list, 3, newUser(4, "Nowy")).ok());
    EXPECT_FALSE(RemoveProfile(inst, list, -1).ok());
    EXPECT_EQ(list.lineText(0), QStringLiteral("1=Łucja=K=1=Haslo1=21"));
    EXPECT_EQ(testsupport::readAll(users + "usr.txt"), before);
}

TEST_F(UserListFixture, ReplaceChangesOnlyTheLineAndKeepsTheId)
{
    UserList list = load();
    const QByteArray config = testsupport::readAll(users + "2_config.xml");
    // A record carrying another Id still replaces profile 2's line under Id 2.
    const TUser changed{9, QStringLiteral("Paweł"), QStringLiteral("M"), 22, false, {}};
    ASSERT_TRUE(ReplaceProfile(inst, list, 1, changed).ok());
    EXPECT_EQ(linesOnDisk(), (QStringList{"1=Łucja=K=1=Haslo1=21", "2=Paweł=M=0==22", "3=Ola=K=0==10"}));
    EXPECT_EQ(testsupport::readAll(users + "2_config.xml"), config);
    EXPECT_TRUE(exists("2_Media_arch/sub/b.wav"));
}

TEST_F(UserListFixture, RemoveDeletesFilesTrainerStatisticsAndWholeFolders)
{
    UserList list = load();
    // 2_Media_arch holds a file and a subfolder with a file; 2_Media_temp is missing.
    ASSERT_FALSE(exists("2_Media_temp"));
    ASSERT_TRUE(RemoveProfile(inst, list, 1).ok());
    EXPECT_EQ(linesOnDisk(), (QStringList{"1=Łucja=K=1=Haslo1=21", "3=Ola=K=0==10"}));
    EXPECT_EQ(list.count(), 2);
    for (const char* name : {"2_stat.xml", "2_config.xml", "2_t_stat.xml", "2_Media_arch", "2_Media_temp"})
        EXPECT_FALSE(exists(name)) << name;
    EXPECT_TRUE(exists("1_config.xml"));
}

TEST_F(UserListFixture, RemoveKeepsTheProfileWhenAFolderCannotBeRemoved)
{
    UserList list = load();
    const QByteArray before = testsupport::readAll(users + "usr.txt");
    const auto failOnArchive = [](const QString& path) {
        return path.endsWith(QStringLiteral("_Media_arch")) ? false : RemoveFolderTree(path);
    };
    QDir().mkdir(users + "2_Media_temp");
    testsupport::writeAll(users + "2_Media_temp/t.wav", "x");

    const Status s = RemoveProfile(inst, list, 1, failOnArchive);
    ASSERT_FALSE(s.ok());
    EXPECT_TRUE(s.failure().text.contains(QStringLiteral("Profil nie został usunięty"))) << s.failure().text.toStdString();
    EXPECT_TRUE(s.failure().file.endsWith(QStringLiteral("2_Media_arch")));
    EXPECT_EQ(list.count(), 3);
    EXPECT_EQ(testsupport::readAll(users + "usr.txt"), before);
    for (const char* name : {"2_stat.xml", "2_config.xml", "2_t_stat.xml", "2_Media_arch/sub/b.wav"})
        EXPECT_TRUE(exists(name)) << name;
    // The temporary folder was emptied before the failure and is there again.
    EXPECT_TRUE(QFileInfo(users + "2_Media_temp").isDir());
    EXPECT_FALSE(exists("2_Media_temp/t.wav"));
}

TEST_F(UserListFixture, ListThatCannotBeSavedLeavesMemoryAsItWas)
{
    UserList list = load();
    // A folder where usr.txt should be: every save fails.
    QFile::remove(users + "usr.txt");
    QDir().mkdir(users + "usr.txt");

    EXPECT_FALSE(CreateProfile(inst, list, newUser(4, "Nowy")).ok());
    EXPECT_EQ(list.count(), 3);
    EXPECT_FALSE(exists("4_stat.xml"));

    EXPECT_FALSE(ReplaceProfile(inst, list, 2, newUser(3, "Inna")).ok());
    EXPECT_EQ(list.user(2).Login, QStringLiteral("Ola"));

    EXPECT_FALSE(RemoveProfile(inst, list, 1).ok());
    EXPECT_EQ(list.count(), 3);
    EXPECT_TRUE(exists("2_stat.xml"));
    EXPECT_TRUE(QFileInfo(users + "2_Media_arch").isDir());
    EXPECT_TRUE(QFileInfo(users + "2_Media_temp").isDir());
}

TEST(UserList, MissingUsersFolderIsNotCreated)
{
    QTemporaryDir tmp;
    Installation inst;
    inst.appDir = tmp.path();
    UserList list;
    EXPECT_FALSE(CreateProfile(inst, list, newUser(1, "a")).ok());
    EXPECT_TRUE(list.isEmpty());
    EXPECT_FALSE(QFileInfo::exists(tmp.path() + "/Users"));
}

TEST(LoginUniqueness, UpperCasesAsciiLettersOnly)
{
    UserList list;
    list.lines = {*encodeAnsi(QStringLiteral("1=Ala=K=0==10")), *encodeAnsi(QStringLiteral("2=łucja=K=0==10"))};
    EXPECT_TRUE(IsLoginTaken(list, QStringLiteral("ALA"), 0));
    EXPECT_TRUE(IsLoginTaken(list, QStringLiteral("aLa"), 2));
    EXPECT_FALSE(IsLoginTaken(list, QStringLiteral("ALA"), 1));   // the edited profile itself
    EXPECT_FALSE(IsLoginTaken(list, QStringLiteral("Łucja"), 0)); // Polish letters keep their case
    EXPECT_TRUE(IsLoginTaken(list, QStringLiteral("łUCJA"), 0));
    EXPECT_FALSE(IsLoginTaken(list, QStringLiteral("Ala "), 0));
}
