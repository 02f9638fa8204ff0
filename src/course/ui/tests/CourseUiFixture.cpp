#include "CourseUiFixture.h"

#include "TestSupport.h"
#include "TestExerciseWindow.h"
#include "TfrmPomoc.h"
#include "TfrmNawigacja.h"

#include <QApplication>
#include <QTest>

void CourseUi::SetUp()
{
    appDir = testsupport::copyFixture(QStringLiteral(FIXTURES_DIR "/kurs"), tmp);
    inst.appDir = appDir;
    inst.cdDir = appDir + QStringLiteral("\\cd\\");
    inst.programMode = 1;
    inst.helpDir = HelpDirForMode(1);
    settings.User.Id = 1;
    settings.User.Login = QStringLiteral("Ola");
    settings.User.Gender = QStringLiteral("K");
    settings.User.Figure = 13;
}

std::unique_ptr<TfrmNawigacja> CourseUi::loadCourse(TfrmPodklad& background)
{
    auto nav = std::make_unique<TfrmNawigacja>(ctx);
    EXPECT_TRUE(nav->LoadCourseAtStartup().ok());
    nav->ReadUserResults();
    nav->SetBackgroundWindow(&background);
    for (const char* cls : {"TfrmDialogi_Prez", "TfrmDialogi_Rozum", "TfrmDialogi_Ukl", "Tfrm3Obrazki"})
        nav->RegisterOpener(QString::fromLatin1(cls), TestOpener(*nav, QString::fromLatin1(cls)));
    TestExerciseWindow::opened = 0;
    return nav;
}

void CourseUi::closeOpenWindows()
{
    for (QWidget* w : QApplication::topLevelWidgets())
        if (qobject_cast<TestExerciseWindow*>(w) || qobject_cast<TfrmPomoc*>(w))
            delete w;
}

TestExerciseWindow* CourseUi::shownExerciseWindow()
{
    TestExerciseWindow* found = nullptr;
    for (QWidget* w : QApplication::topLevelWidgets())
        if (auto* e = qobject_cast<TestExerciseWindow*>(w); e && e->isVisible())
            found = e;
    return found;
}

TfrmPomoc* CourseUi::helpWindow()
{
    for (QWidget* w : QApplication::topLevelWidgets())
        if (auto* h = qobject_cast<TfrmPomoc*>(w))
            return h;
    return nullptr;
}

TElement* CourseUi::nodeOf(TfrmNawigacja& nav, const QString& file, int kind)
{
    for (TElement* n : nav.FlatList())
        if (n->FileName == file && n->Kind == kind)
            return n;
    return nullptr;
}

QString CourseUi::statText() const
{
    const QByteArray bytes = testsupport::readAll(appDir + QStringLiteral("/Users/1_stat.xml"));
    return QString::fromUtf16(reinterpret_cast<const char16_t*>(bytes.constData() + 2), (bytes.size() - 2) / 2);
}

QStringList CourseUi::shownTexts() const
{
    QStringList texts;
    for (const FakeMessageService::Shown& s : messages.shown)
        texts << s.text;
    return texts;
}

void CourseUi::addInterfaceTexts(std::initializer_list<std::pair<int, const char*>> texts)
{
    const QString defs = appDir + QStringLiteral("/Config/definitions.xml");
    QString xml = QString::fromUtf8(testsupport::readAll(defs));
    QString extra;
    for (const auto& [id, text] : texts)
        extra += QStringLiteral("<hint id=\"%1\"><tlumaczenie id=\"0\">%2</tlumaczenie></hint>").arg(id).arg(QString::fromUtf8(text));
    xml.replace(QStringLiteral("</hinty>"), extra + QStringLiteral("</hinty>"));
    testsupport::writeAll(defs, xml.toUtf8());
}

namespace courseui {

void click(QWidget* window, const QString& name)
{
    auto* w = window->findChild<QWidget*>(name);
    ASSERT_NE(w, nullptr) << name.toStdString();
    QTest::mouseClick(w, Qt::LeftButton, {}, w->rect().center());
}

void settle(int ms)
{
    QTest::qWait(ms);
    QCoreApplication::processEvents();
}

} // namespace courseui
