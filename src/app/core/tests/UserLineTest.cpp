#include "UserLine.h"

#include "AnsiText.h"
#include "TestSupport.h"

#include <gtest/gtest.h>

TEST(UserLine, WorkedExampleScramblesAndReadsBack)
{
    // Id 7, Ala, a woman, no password, figure style 10 colour 2 (file form 12).
    const TUser ala{7, QStringLiteral("Ala"), QStringLiteral("K"), 12, false, {}};
    EXPECT_EQ(FormatUserLine(ala), QStringLiteral("7=Ala=K=0==12"));

    const Expected<QByteArray> plain = EncodeUserLine(ala);
    ASSERT_TRUE(plain.ok());
    // Worked by hand: the first byte takes the key's second byte "E".
    const QByteArray scrambled = QByteArray::fromHex("7C93A0B9A28F9A8E75939C7E73");
    EXPECT_EQ(ScrambleUserLine(*plain), scrambled);
    EXPECT_EQ(UnscrambleUserLine(scrambled), QByteArray("7=Ala=K=0==12"));

    const TUser back = ParseUserLine(UnscrambleUserLine(scrambled));
    EXPECT_EQ(back.Id, 7);
    EXPECT_EQ(back.Login, QStringLiteral("Ala"));
    EXPECT_EQ(back.Gender, QStringLiteral("K"));
    EXPECT_FALSE(back.HasPassword);
    EXPECT_EQ(back.Figure, 13);
    EXPECT_EQ(FigureImageName(back), QStringLiteral("CK13"));
    EXPECT_EQ(FigureFileForm(back.Figure), 12);
}

TEST(UserLine, ScramblingIsUndoneForEveryByteAtEveryKeyPosition)
{
    QByteArray all;
    for (int round = 0; round < 9; ++round) // 9 × 256 bytes: each byte meets each key byte
        for (int b = 0; b < 256; ++b)
            all.append(char(b));
    EXPECT_EQ(UnscrambleUserLine(ScrambleUserLine(all)), all);
}

TEST(UserLine, ParsesShortOddAndOldLines)
{
    struct Case {
        QByteArray plain;
        TUser expected;
    } const cases[] = {
        {"3=Ola=M=1=abc=25", {3, "Ola", "M", 26, true, "abc"}},
        {"5=Ola", {5, "Ola", "", 1, false, ""}},          // missing fields are empty
        {"x=Ola=KM=2==10", {0, "Ola", "K", 11, true, ""}}, // not a number: 0; gender is one character
        {"9=Ola=K=0=kept=255", {9, "Ola", "K", 0, false, "kept"}}, // the figure wraps as a byte
        {"4=a=b=K=0==10", {4, "a", "b", 1, false, "0"}},     // "=" in an old login shifts the fields
        {"", {0, "", "", 1, false, ""}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.plain.toStdString());
        const TUser u = ParseUserLine(c.plain);
        EXPECT_EQ(u.Id, c.expected.Id);
        EXPECT_EQ(u.Login, c.expected.Login);
        EXPECT_EQ(u.Gender, c.expected.Gender);
        EXPECT_EQ(u.HasPassword, c.expected.HasPassword);
        EXPECT_EQ(u.Password, c.expected.Password);
        EXPECT_EQ(u.Figure, c.expected.Figure);
    }
    // Polish letters are Windows-1250 bytes.
    EXPECT_EQ(ParseUserLine(*encodeAnsi(QStringLiteral("2=Żaneta=K=0==20"))).Login, QStringLiteral("Żaneta"));
}

TEST(UserLine, RefusesLinesThatWouldNotReadBack)
{
    const auto user = [](qint32 id, const QString& login, const QString& password = {}) {
        return TUser{id, login, QStringLiteral("K"), 10, !password.isEmpty(), password};
    };
    // "ł" (B3) at byte 3 meets the key byte "M" (4D): B3 + 4D = 100, a NUL on disk.
    ASSERT_TRUE(ScrambleUserLine(*encodeAnsi(QStringLiteral("7=Ała=K=0==10"))).contains('\0'));
    struct Case {
        TUser user;
        const char* problem; // part of the message; nullptr when storable
    } const cases[] = {
        {user(7, "Ała"), "nie da się zapisać"},
        {user(10, "Ała"), nullptr}, // one more digit moves "ł" to another key byte
        {user(1, "Żaneta Łoś"), nullptr},
        {user(1, "a=b"), "„=”"},
        {user(1, QStringLiteral("日本")), "„日”"},
        {user(1, QStringLiteral("a\tb")), "U+0009"},
        {user(1, "Ola", "ab=cd"), "hasło"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(FormatUserLine(c.user).toStdString());
        const auto problem = UserLineProblem(c.user);
        const Expected<QByteArray> line = EncodeUserLine(c.user);
        if (!c.problem) {
            EXPECT_FALSE(problem.has_value()) << problem->toStdString();
            EXPECT_TRUE(line.ok());
            continue;
        }
        ASSERT_TRUE(problem.has_value());
        EXPECT_TRUE(problem->contains(QString::fromUtf8(c.problem))) << problem->toStdString();
        ASSERT_FALSE(line.ok());
        EXPECT_EQ(line.failure().text, *problem);
        EXPECT_EQ(line.failure().caption, QStringLiteral("Błąd"));
    }
}
