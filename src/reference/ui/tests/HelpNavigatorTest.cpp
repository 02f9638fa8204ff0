#include "HelpNavigator.h"

#include "TestSupport.h"

#include <gtest/gtest.h>

namespace {

const QString App = QStringLiteral("/inst");
const QString Help = QStringLiteral("\\Pomoc - Selko");

HelpNavigator handbook()
{
    return HelpNavigator(App, Help, true, [](const QString& t) { return QStringLiteral("/media/Podrecznik/") + t; });
}

HelpNavigator help()
{
    return HelpNavigator(App, Help, false, {});
}

} // namespace

TEST(HelpNavigator, SplitsPagePathsAtTheLastSeparator)
{
    struct Case {
        const char* path;
        const char* folder;
        const char* name;
    } const cases[] = {
        {"h_index.html", "", "h_index.html"},
        {"g/a.html#x", "g\\", "a.html#x"},
        {"Podrecznik\\g/a.html", "Podrecznik\\g\\", "a.html"},
        {"g\\h\\", "g\\h\\", ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.path);
        QString folder, name;
        HelpNavigator::SplitPagePath(QString::fromUtf8(c.path), folder, name);
        EXPECT_EQ(folder, QString::fromUtf8(c.folder));
        EXPECT_EQ(name, QString::fromUtf8(c.name));
    }
}

TEST(HelpNavigator, OpensHelpAndHandbookPages)
{
    HelpNavigator h = help();
    EXPECT_EQ(h.OpeningPath("h_exer.html#a10"), App + Help + "\\h_exer.html#a10");
    EXPECT_EQ(h.OpeningPath("/h_log.html"), App + Help + "\\h_log.html"); // leading slash dropped
    h.Open("h_exer.html#a10");
    EXPECT_EQ(h.history(), QStringList{App + Help + "\\h_exer.html#a10"});
    EXPECT_EQ(h.index(), 0);
    EXPECT_FALSE(h.backAvailable());

    HelpNavigator b = handbook();
    b.Open("Podrecznik\\g\\a.html");
    EXPECT_EQ(b.history(), QStringList{App + "\\Podrecznik\\g\\a.html"});
    EXPECT_EQ(b.base(), App + "\\Podrecznik\\g\\");
}

// Relative links go from the folder of the page shown; parent links from the
// handbook root; anchors stay on the page; sounds change nothing.
TEST(HelpNavigator, ResolvesHandbookLinksAgainstTheBase)
{
    HelpNavigator b = handbook();
    b.OpenEmpty();
    const QString root = App + "\\Podrecznik\\";
    EXPECT_EQ(b.TableOfContents().path, root + "index.html");

    struct Case {
        const char* link;
        const char* shown;
        HelpNavigator::Step::Kind kind;
        QString path;
        QString base;
    } const cases[] = {
        {"g/a.html", "index.html", HelpNavigator::Step::LoadPage, root + "g\\a.html", root + "g\\"},
        {"#koniec", "g\\a.html", HelpNavigator::Step::LoadPage, root + "g\\a.html#koniec", root + "g\\"},
        {"cv_01.mp3", "g\\a.html", HelpNavigator::Step::PlaySound, "/media/Podrecznik/cv_01.mp3", root + "g\\"},
        {"sub/x.mp3", "g\\a.html", HelpNavigator::Step::PlaySound, "/media/Podrecznik/sub/x.mp3", root + "g\\"},
        {"../h/b.html", "g\\a.html", HelpNavigator::Step::LoadPage, root + "h\\b.html", root + "h\\"},
        {"../index.html", "h\\b.html", HelpNavigator::Step::LoadPage, root + "index.html", root},
        {"h/b.html", "index.html", HelpNavigator::Step::LoadPage, root + "h\\b.html", root + "h\\"},
        {"Podrecznik\\index.html", "h\\b.html", HelpNavigator::Step::LoadPage, root + "index.html", root},
        {"/g/a2.html", "index.html", HelpNavigator::Step::LoadPage, root + "g\\a2.html", root + "g\\"},
    };
    int entries = 1;
    for (const Case& c : cases) {
        SCOPED_TRACE(c.link);
        const HelpNavigator::Step step = b.Link(QString::fromUtf8(c.link), App + "\\Podrecznik\\" + c.shown);
        EXPECT_EQ(step.kind, c.kind);
        EXPECT_EQ(step.path, c.path);
        EXPECT_EQ(b.base(), c.base);
        if (c.kind == HelpNavigator::Step::LoadPage)
            ++entries;
        EXPECT_EQ(b.history().size(), entries);
        EXPECT_EQ(b.index(), entries - 1);
        EXPECT_EQ(b.history().last(), b.history().value(b.index()));
    }
}

TEST(HelpNavigator, HelpLinksStayInTheHelpFolder)
{
    HelpNavigator h = help();
    h.Open("h_index.html");
    const QString root = App + Help + "\\";
    EXPECT_EQ(h.Link("h_exer.html#a3", root + "h_index.html").path, root + "h_exer.html#a3");
    EXPECT_EQ(h.Link("#a5", root + "h_exer.html").path, root + "h_exer.html#a5");
    EXPECT_EQ(h.base(), root);
    EXPECT_TRUE(h.backAvailable());
}

TEST(HelpNavigator, BackReturnsAndRestoresTheBase)
{
    HelpNavigator b = handbook();
    b.OpenEmpty();
    b.TableOfContents();
    b.Link("g/a.html", App + "\\Podrecznik\\index.html");
    b.Link("../h/b.html", App + "\\Podrecznik\\g\\a.html");

    HelpNavigator::Step step = b.Back();
    EXPECT_EQ(step.kind, HelpNavigator::Step::LoadPage);
    EXPECT_EQ(step.path, App + "\\Podrecznik\\g\\a.html");
    EXPECT_EQ(b.base(), App + "\\Podrecznik\\g\\");
    step = b.Back();
    EXPECT_EQ(step.path, App + "\\Podrecznik\\index.html");
    EXPECT_EQ(b.base(), App + "\\Podrecznik\\");
    EXPECT_FALSE(b.backAvailable());
    EXPECT_EQ(b.Back().kind, HelpNavigator::Step::Nothing);
    EXPECT_EQ(b.history().size(), 1);
}

TEST(HelpNavigator, ContentsPageIsNotRepeatedAndLongHistoriesWarn)
{
    HelpNavigator h = help();
    h.Open("h_exer.html");
    const QString contents = App + Help + "\\h_index.html";
    EXPECT_EQ(h.TableOfContents().path, contents);
    EXPECT_EQ(h.history().size(), 2);
    h.TableOfContents(); // already on the contents: reloaded, not added again
    EXPECT_EQ(h.history().size(), 2);
    EXPECT_EQ(h.history().value(h.index()), contents);

    // The step that brings the index to 50 warns, and so does every further one.
    for (int i = 2; i < 50; ++i)
        EXPECT_FALSE(h.Link(QStringLiteral("p%1.html").arg(i), contents).historyTooLong) << i;
    EXPECT_TRUE(h.Link("p50.html", contents).historyTooLong);
    EXPECT_EQ(h.index(), 50);
    EXPECT_TRUE(h.Link("p51.html", contents).historyTooLong);
}
