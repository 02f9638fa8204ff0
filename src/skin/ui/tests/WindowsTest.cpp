#include "ControlGeometry.h"
#include "FakeMessageService.h"
#include "MessageService.h"
#include "TAALabel.h"
#include "TLumMsgBoxWindow.h"
#include "TLumResButton.h"
#include "TestSupport.h"
#include "TfrmMessage.h"
#include "TfrmMsgBox.h"
#include "TfrmPodklad.h"
#include "TfrmProgress.h"
#include "UiTestSupport.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QMessageBox>
#include <QSignalSpy>
#include <QTimer>

#include <functional>

using namespace uitest;

namespace {

// Runs `action` on the modal window once the event loop of exec() is running.
void whenModal(std::function<void(QWidget*)> action)
{
    QTimer::singleShot(0, [action] {
        QWidget* modal = QApplication::activeModalWidget();
        ASSERT_NE(modal, nullptr);
        action(modal);
    });
}

class MsgBox : public testing::Test {
protected:
    RecordingSkin skin;
    int language = 0;
    TfrmMsgBox box{skin.record(), [this] { return language; }};
};

TEST_F(MsgBox, QuestionAndNoticeLayouts)
{
    EXPECT_EQ(box.size(), QSize(423, 226));
    EXPECT_EQ(box.windowTitle(), "Orvanta 6.0");
    EXPECT_TRUE(box.windowFlags() & Qt::FramelessWindowHint);

    box.Prepare("Czy na pewno usunąć profil?", "Pytanie", MsgBoxKind::Question);
    EXPECT_EQ(box.btnTak->Caption(), "Tak");
    EXPECT_EQ(box.btnNie->Caption(), "Nie");
    EXPECT_FALSE(box.btnTak->isHidden());
    EXPECT_FALSE(box.btnNie->isHidden());
    EXPECT_TRUE(box.btnOK->isHidden());
    EXPECT_EQ(box.Body->Icon(), TIconType::icoQuestion);
    EXPECT_EQ(box.Body->Caption(), "Pytanie");
    EXPECT_EQ(box.lblTresc->Caption(), "Czy na pewno usunąć profil?");
    EXPECT_EQ(box.pos(), QPoint(1024 / 2 - 423 / 2, 768 / 2 - 226 / 2));
    EXPECT_EQ(box.btnTak->geometry(), QRect(193, 182, 100, 32));
    EXPECT_EQ(box.btnNie->geometry(), QRect(300, 182, 100, 32));
    EXPECT_EQ(box.btnOK->geometry(), QRect(299, 182, 100, 32));
    EXPECT_EQ(box.btnTak->GrafikaIndex(), 2);

    language = 3; // any language but Polish: English captions
    box.Prepare("Delete?", "Question", MsgBoxKind::Question);
    EXPECT_EQ(box.btnTak->Caption(), "Yes");
    EXPECT_EQ(box.btnNie->Caption(), "No");

    box.Prepare("Zapisano.", "Informacja", MsgBoxKind::Notice);
    EXPECT_TRUE(box.btnTak->isHidden());
    EXPECT_FALSE(box.btnOK->isHidden());
    EXPECT_EQ(box.Body->Icon(), TIconType::icoInformation);
}

TEST_F(MsgBox, AnswersByButtonAndKey)
{
    struct Case {
        const char* what;
        MsgBoxKind kind;
        std::function<void(TfrmMsgBox&)> act;
        int result;
    };
    auto key = [](Qt::Key k) { return [k](TfrmMsgBox& b) { QTest::keyClick(&b, k); }; };
    auto click = [](TLumResButton* TfrmMsgBox::*button) {
        return [button](TfrmMsgBox& b) { QTest::mouseClick(b.*button, Qt::LeftButton, {}, QPoint(5, 5)); };
    };
    const Case cases[] = {
        {"Yes", MsgBoxKind::Question, click(&TfrmMsgBox::btnTak), 1},
        {"No", MsgBoxKind::Question, click(&TfrmMsgBox::btnNie), 0},
        {"close button", MsgBoxKind::Question, click(&TfrmMsgBox::LumResButton1), 0},
        {"OK", MsgBoxKind::Notice, click(&TfrmMsgBox::btnOK), 1},
        {"Enter on a question", MsgBoxKind::Question, key(Qt::Key_Return), 1},
        {"Space on a question", MsgBoxKind::Question, key(Qt::Key_Space), 1},
        {"Escape on a question", MsgBoxKind::Question, key(Qt::Key_Escape), 0},
        {"Escape on a notice", MsgBoxKind::Notice, key(Qt::Key_Escape), 1},
        {"Enter on a notice", MsgBoxKind::Notice, key(Qt::Key_Enter), 1},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        whenModal([&](QWidget*) { c.act(box); });
        EXPECT_EQ(box.ShowMessageBox("Tekst", "Tytuł", c.kind), c.result);
        EXPECT_FALSE(box.isVisible());
    }
}

TEST(MessageServices, TheProgramServiceShowsFailuresAndSkinnedBoxes)
{
    RecordingSkin skin;
    MessageService service(skin.record(), [] { return 0; });

    whenModal([](QWidget* modal) {
        auto* mb = qobject_cast<QMessageBox*>(modal);
        ASSERT_NE(mb, nullptr);
        EXPECT_EQ(mb->windowTitle(), "Błąd");
        EXPECT_EQ(mb->text(), "Błąd pliku konfiguracyjnego!");
        EXPECT_EQ(mb->icon(), QMessageBox::Critical);
        mb->accept();
    });
    service.showFailure(Failure::error("Błąd pliku konfiguracyjnego!", "cfg.ini"));

    whenModal([](QWidget* modal) { QTest::keyClick(modal, Qt::Key_Escape); });
    EXPECT_EQ(service.showMessageBox("Usunąć?", "Pytanie", MsgBoxKind::Question), 0);
    EXPECT_EQ(service.box().btnNie->Caption(), "Nie");
}

TEST(MessageServices, TheFakeRecordsAndAnswersAsTold)
{
    FakeMessageService fake;
    IMessageService& service = fake;
    fake.queueAnswer(0);
    EXPECT_EQ(service.showMessageBox("Usunąć?", "Pytanie", MsgBoxKind::Question), 0);
    EXPECT_EQ(service.showMessageBox("Gotowe", "Info", MsgBoxKind::Notice), 1);
    service.showFailure(Failure::error("Brak pliku"));
    ASSERT_EQ(fake.shown.size(), 3);
    EXPECT_EQ(fake.shown[0].text, "Usunąć?");
    EXPECT_EQ(fake.shown[0].caption, "Pytanie");
    EXPECT_EQ(fake.shown[0].kind, MsgBoxKind::Question);
    EXPECT_TRUE(fake.shown[1].skinned);
    EXPECT_FALSE(fake.shown[2].skinned);
    EXPECT_EQ(fake.shown[2].icon, MessageIcon::Error);
    EXPECT_EQ(fake.shown[2].caption, "Błąd");
}

TEST(Message, OkSkipAndKeys)
{
    RecordingSkin skin;
    TfrmMessage w(skin.record(), [](int id) { return id == 59 ? QString("Uwaga") : id == 185 ? QString("Pomiń") : QString(); });
    QSignalSpy finished(&w, &TfrmMessage::finished);
    EXPECT_EQ(w.size(), QSize(495, 304));

    w.show();
    EXPECT_EQ(w.lumMsgBox->Caption(), "Uwaga");
    EXPECT_EQ(w.btnSkip->Caption(), "Pomiń");
    EXPECT_EQ(w.pos(), QPoint(512 - 247, 384 - 152));
    QTest::mouseClick(w.btnOK, Qt::LeftButton, {}, QPoint(5, 5));
    EXPECT_FALSE(w.isVisible());
    EXPECT_EQ(w.Result(), 1);

    w.show();
    QTest::mouseClick(w.btnSkip, Qt::LeftButton, {}, QPoint(5, 5));
    EXPECT_EQ(w.Result(), 0);

    w.show();
    QTest::keyClick(&w, Qt::Key_A);
    QTest::keyClick(&w, Qt::Key_Return);
    EXPECT_TRUE(w.isVisible()); // other keys are swallowed
    QTest::keyClick(&w, Qt::Key_Space);
    EXPECT_FALSE(w.isVisible());
    w.show();
    QTest::keyClick(&w, Qt::Key_Escape);
    EXPECT_FALSE(w.isVisible());
    EXPECT_EQ(finished.count(), 4);
    EXPECT_EQ(finished.last().at(0).toInt(), 0);
}

TEST(Progress, BarWidthSteps)
{
    struct Case {
        int n, total, width;
    };
    const Case cases[] = {{5, 5, 200}, {1, 3, 67}, {2, 3, 133}, {0, 4, 0}, {1, 400, 0} /* 0.5 to even */,
                          {3, 400, 2} /* 1.5 to even */, {7, 5, 200}, {1, 0, 0}};
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.n << "/" << c.total);
        EXPECT_EQ(ProgressBarWidth(c.n, c.total), c.width);
    }

    TfrmProgress w;
    EXPECT_EQ(w.size(), QSize(220, 50));
    EXPECT_TRUE(w.windowFlags() & Qt::WindowStaysOnTopHint);
    w.Start(3, "Zapisywanie wyników");
    EXPECT_TRUE(w.isVisible());
    EXPECT_EQ(w.Label1->Caption(), "Zapisywanie wyników");
    EXPECT_EQ(w.Label1->pos(), QPoint(11, 8));
    w.Step(1);
    EXPECT_EQ(w.barWidth(), 67);
    EXPECT_EQ(item(paintLog(w), "IMG_Progress").rect, QRect(11, 29, 67, 10));
    w.Start(0, "x");
    w.Step(1);
    EXPECT_EQ(w.barWidth(), 0);
}

TEST(Background, FullScreenBlackAndOneOpenRequestAtATime)
{
    TfrmPodklad w;
    QSignalSpy opened(&w, &TfrmPodklad::openExercise);
    EXPECT_EQ(w.geometry(), QRect(0, 0, 1024, 768));
    EXPECT_FALSE(w.isEnabled());
    EXPECT_TRUE(w.lblWait->isHidden());

    w.ShowWait("Proszę czekać...");
    EXPECT_FALSE(w.lblWait->isHidden());
    const QRect l = w.lblWait->geometry();
    EXPECT_EQ(l.topLeft(), QPoint((1024 - l.width()) / 2, (768 - l.height()) / 2));

    EXPECT_TRUE(w.RequestOpen());
    EXPECT_FALSE(w.RequestOpen()); // dropped while one is pending
    EXPECT_EQ(opened.count(), 0);
    EXPECT_TRUE(opened.wait(1000));
    QTest::qWait(20);
    EXPECT_EQ(opened.count(), 1);
    EXPECT_FALSE(w.busy());
    EXPECT_TRUE(w.RequestOpen());
}

} // namespace
