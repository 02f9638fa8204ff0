#include "TLumBelka.h"
#include "TLumResButton.h"
#include "THtmlView.h"
#include "TestShellContext.h"
#include "TestSupport.h"
#include "TfrmHelp.h"
#include "WinPath.h"

#include <gtest/gtest.h>

#include <QAbstractTextDocumentLayout>
#include <QApplication>
#include <QPixmap>
#include <QPointer>
#include <QPrinter>
#include <QScrollBar>
#include <QTemporaryDir>
#include <QTest>
#include <QTextBlock>
#include <QTextDocument>

namespace {

// Where the link `href` of the page shown sits in the view's viewport.
QPoint linkPosition(THtmlView* view, const QString& href)
{
    QTextDocument* doc = view->document();
    for (QTextBlock block = doc->begin(); block.isValid(); block = block.next()) {
        for (auto it = block.begin(); !it.atEnd(); ++it) {
            const QTextFragment f = it.fragment();
            if (f.charFormat().anchorHref() != href)
                continue;
            QTextCursor cursor(doc);
            cursor.setPosition(f.position() + 1);
            const QRect r = view->cursorRect(cursor);
            return QPoint(r.left() + 1, r.center().y());
        }
    }
    ADD_FAILURE() << "no link " << href.toStdString();
    return {};
}

// Clicks the link `href` with the mouse, scrolling it into view first.
void clickLink(THtmlView* view, const QString& href)
{
    QPoint at = linkPosition(view, href);
    if (!view->viewport()->rect().contains(at)) {
        view->verticalScrollBar()->setValue(view->verticalScrollBar()->value() + at.y() - 40);
        at = linkPosition(view, href);
    }
    QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, at);
}

class HelpWindow : public testing::Test, protected TestShellContext {
protected:
    void SetUp() override
    {
        testsupport::copyFixture(QStringLiteral(FIXTURES_DIR), tmp);
        inst.appDir = tmp.path() + QStringLiteral("/inst");
        inst.cdDir = inst.appDir + QStringLiteral("\\cd\\");
        inst.programMode = 1;
        inst.helpDir = HelpDirForMode(1);
        for (auto [id, text] : {std::pair{37, "Powrót"}, {48, "Spis treści"}, {59, "Informacja"},
                                {128, "Nie znaleziono strony pomocy."}, {29, "Kurs"}})
            inst.uiTexts.append(id, QString::fromUtf8(text));
        settings.User.Id = 1;
        settings.User.Login = QStringLiteral("Ola");
        settings.User.Gender = QStringLiteral("K");
        settings.User.Figure = 12;
        caller.setObjectName(QStringLiteral("frmMain"));
    }
    void TearDown() override
    {
        if (window)
            delete window.data();
    }

    QString page() const { return window->HTML->FileName(); }

    QTemporaryDir tmp;
    QWidget caller;
    QPointer<TfrmHelp> window;
};

} // namespace

TEST_F(HelpWindow, MissingFirstPageShowsTheNoticeAndNoWindow)
{
    const int before = QApplication::topLevelWidgets().size();
    EXPECT_EQ(TfrmHelp::ShowHelp(ctx, "h_brak.html#a1", &caller), nullptr);
    ASSERT_EQ(messages.shown.size(), 1);
    EXPECT_EQ(messages.shown[0].text, "Nie znaleziono strony pomocy.");
    EXPECT_EQ(messages.shown[0].caption, "Informacja");
    EXPECT_TRUE(messages.shown[0].skinned);
    EXPECT_EQ(QApplication::topLevelWidgets().size(), before);
}

TEST_F(HelpWindow, OpensAtTheAnchorAndFollowsLinksBackAndForth)
{
    window = TfrmHelp::ShowHelp(ctx, "/h_exer.html#a10", &caller);
    ASSERT_NE(window, nullptr);
    EXPECT_TRUE(window->isVisible());
    EXPECT_EQ(window->geometry(), QRect(0, 0, 1024, 768));
    EXPECT_EQ(window->HTML->geometry(), QRect(156, 74, 741, 671));
    EXPECT_EQ(window->Belka->Zalogowany(), "Ola");
    EXPECT_EQ(window->btnBelkaWroc->Caption(), "Powrót");
    EXPECT_EQ(window->btnSpis->Caption(), "Spis treści");
    EXPECT_EQ(page(), inst.appDir + "\\Pomoc - Selko\\h_exer.html");
    EXPECT_EQ(window->HTML->Anchor(), "a10");
    EXPECT_GT(window->HTML->verticalScrollBar()->value(), 0); // shown at the anchor, not the top
    EXPECT_TRUE(window->btnWroc->isHidden());

    // An anchor link on the same page: a new history entry, Back offered.
    window->HTML->verticalScrollBar()->setValue(0);
    clickLink(window->HTML, "#a1");
    EXPECT_EQ(window->HTML->Anchor(), "a1");
    EXPECT_EQ(window->navigator().history().size(), 2);
    EXPECT_FALSE(window->btnWroc->isHidden());

    // A link to another page, then Back twice.
    clickLink(window->HTML, "h_index.html");
    EXPECT_EQ(page(), inst.appDir + "\\Pomoc - Selko\\h_index.html");
    clickLink(window->HTML, "h_exer.html#a3");
    EXPECT_EQ(window->HTML->Anchor(), "a3");
    EXPECT_EQ(window->navigator().index(), 3);

    QTest::mouseClick(window->btnWroc, Qt::LeftButton);
    EXPECT_EQ(page(), inst.appDir + "\\Pomoc - Selko\\h_index.html");
    QTest::mouseClick(window->btnWroc, Qt::LeftButton);
    EXPECT_EQ(window->HTML->Anchor(), "a1");
    QTest::mouseClick(window->btnWroc, Qt::LeftButton);
    EXPECT_EQ(window->HTML->Anchor(), "a10");
    EXPECT_TRUE(window->btnWroc->isHidden());
    EXPECT_TRUE(messages.shown.isEmpty());
}

TEST_F(HelpWindow, HandbookFollowsFoldersAndParentLinksAndPlaysSounds)
{
    window = TfrmHelp::ShowHandbook(ctx, &caller);
    ASSERT_NE(window, nullptr);
    const QString root = inst.appDir + "\\Podrecznik\\";
    EXPECT_EQ(page(), root + "index.html");
    EXPECT_TRUE(window->btnWroc->isHidden());

    clickLink(window->HTML, "g/a.html");
    EXPECT_EQ(page(), root + "g\\a.html");
    EXPECT_FALSE(window->btnWroc->isHidden());
    EXPECT_TRUE(window->HTML->toPlainText().contains("Czas teraźniejszy"));

    // A sound link plays from the media root and leaves page and history alone.
    clickLink(window->HTML, "cv_01.mp3");
    ASSERT_EQ(audio.played().size(), 1);
    EXPECT_EQ(audio.played()[0].file, ResolveWinPath(inst.appDir + "/cd/Media/Podrecznik/cv_01.mp3"));
    EXPECT_EQ(window->navigator().history().size(), 2);
    EXPECT_EQ(page(), root + "g\\a.html");
    clickLink(window->HTML, "brak.mp3");
    ASSERT_EQ(messages.shown.size(), 1);
    EXPECT_EQ(messages.shown[0].text, "Brak pliku dźwiękowego: brak.mp3");

    // A sibling folder through a parent link, and a link in a subfolder.
    window->HTML->verticalScrollBar()->setValue(0);
    clickLink(window->HTML, "../h/b.html");
    EXPECT_EQ(page(), root + "h\\b.html");
    EXPECT_EQ(window->navigator().base(), root + "h\\");
    clickLink(window->HTML, "../g/a.html");
    EXPECT_EQ(page(), root + "g\\a.html");
    clickLink(window->HTML, "a2.html");
    EXPECT_EQ(page(), root + "g\\a2.html");
    EXPECT_TRUE(window->HTML->toPlainText().contains("Dalej"));

    // The contents button, then Back to where the learner was.
    QTest::mouseClick(window->btnSpis, Qt::LeftButton);
    EXPECT_EQ(page(), root + "index.html");
    QTest::mouseClick(window->btnWroc, Qt::LeftButton);
    EXPECT_EQ(page(), root + "g\\a2.html");
    EXPECT_EQ(window->navigator().base(), root + "g\\");
}

TEST_F(HelpWindow, HandbookPageFromAnExercise)
{
    window = TfrmHelp::ShowHelp(ctx, "Podrecznik\\h\\b.html", &caller);
    ASSERT_NE(window, nullptr);
    EXPECT_TRUE(window->navigator().handbook());
    clickLink(window->HTML, "Podrecznik\\index.html");
    EXPECT_EQ(page(), inst.appDir + "\\Podrecznik\\index.html");
    EXPECT_TRUE(window->HTML->toPlainText().contains("Podręcznik"));
}

TEST_F(HelpWindow, PagesAreDecodedByTheirDeclaredOrDefaultCharset)
{
    window = TfrmHelp::ShowHelp(ctx, "Podrecznik\\g\\cp1250.html", &caller);
    ASSERT_NE(window, nullptr);
    EXPECT_TRUE(window->HTML->toPlainText().contains("Zażółć gęślą jaźń"));
    window->HTML->LoadFromFile(inst.appDir + "\\Podrecznik\\g\\latin2.html");
    EXPECT_TRUE(window->HTML->toPlainText().contains("Zażółć gęślą jaźń"));
}

// Nothing comes from the network or from outside the installation.
TEST_F(HelpWindow, ResourcesComeOnlyFromInsideTheInstallation)
{
    testsupport::writeAll(tmp.path() + "/outside.png", testsupport::readAll(inst.appDir + "/Podrecznik/obrazek.png"));
    testsupport::writeAll(tmp.path() + "/outside.html", "<p>secret</p>");
    window = TfrmHelp::ShowHelp(ctx, "Podrecznik\\g\\outside.html", &caller);
    ASSERT_NE(window, nullptr);
    QTextDocument* doc = window->HTML->document();
    const QUrl base = doc->baseUrl();
    // What the page's pictures became: bytes, or the picture made from them.
    const auto loaded = [doc](const QUrl& url) {
        const QVariant v = doc->resource(QTextDocument::ImageResource, url);
        if (v.typeId() == QMetaType::QByteArray)
            return !v.toByteArray().isEmpty();
        if (v.typeId() == QMetaType::QImage)
            return !v.value<QImage>().isNull();
        if (v.typeId() == QMetaType::QPixmap)
            return !v.value<QPixmap>().isNull();
        return false;
    };
    EXPECT_TRUE(loaded(base.resolved(QUrl("../obrazek.png"))));
    EXPECT_FALSE(loaded(QUrl("http://127.0.0.1:9/remote.png")));
    EXPECT_FALSE(loaded(base.resolved(QUrl("../../../outside.png"))));
    EXPECT_FALSE(loaded(QUrl("../../../outside.png")));

    EXPECT_FALSE(window->HTML->LoadFromFile(inst.appDir + "\\Podrecznik\\..\\..\\outside.html"));
    EXPECT_FALSE(window->HTML->toPlainText().contains("secret"));
}

TEST_F(HelpWindow, PrintsThePageToAPrinter)
{
    window = TfrmHelp::ShowHelp(ctx, "h_exer.html", &caller);
    ASSERT_NE(window, nullptr);
    const QString pdf = tmp.path() + "/help.pdf";
    window->setPrinterSource([pdf](QWidget*) {
        auto printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
        printer->setOutputFormat(QPrinter::PdfFormat);
        printer->setOutputFileName(pdf);
        return printer;
    });
    QTest::mouseClick(window->btnDrukuj, Qt::LeftButton);
    const QByteArray bytes = testsupport::readAll(pdf);
    ASSERT_TRUE(bytes.startsWith("%PDF"));
    EXPECT_GE(bytes.count("/Type /Page\n") + bytes.count("/Type /Page\r") + bytes.count("/Type /Page>>")
                  + bytes.count("/Type /Page "),
              2); // the long page takes more than one sheet
}

TEST_F(HelpWindow, ClosingShowsTheCallerAgain)
{
    caller.hide();
    window = TfrmHelp::ShowHelp(ctx, "h_index.html", &caller);
    ASSERT_NE(window, nullptr);
    QTest::mouseClick(window->btnBelkaWroc, Qt::LeftButton);
    EXPECT_TRUE(caller.isVisible());
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(window.isNull());
}

TEST_F(HelpWindow, ExitQuestionAndLoginWindowWithoutLearner)
{
    window = TfrmHelp::ShowHelp(ctx, "h_index.html", false, &caller, false);
    ASSERT_NE(window, nullptr);
    messages.defaultAnswer = 0;
    QTest::mouseClick(window->LumResButton1, Qt::LeftButton);
    ASSERT_EQ(messages.shown.size(), 1);
    EXPECT_EQ(messages.shown[0].kind, MsgBoxKind::Question);
    EXPECT_TRUE(window->isVisible());
}

TEST_F(HelpWindow, ContentsButtonOffersTheWayBack)
{
    window = TfrmHelp::ShowHelp(ctx, "h_film.html", &caller);
    ASSERT_NE(window, nullptr);
    EXPECT_TRUE(window->btnWroc->isHidden());
    QTest::mouseClick(window->btnSpis, Qt::LeftButton);
    EXPECT_EQ(page(), inst.appDir + "\\Pomoc - Selko\\h_index.html");
    EXPECT_FALSE(window->btnWroc->isHidden());
    QTest::mouseClick(window->btnWroc, Qt::LeftButton);
    EXPECT_EQ(page(), inst.appDir + "\\Pomoc - Selko\\h_film.html");
    EXPECT_TRUE(window->btnWroc->isHidden());
}
