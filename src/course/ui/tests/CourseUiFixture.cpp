#include "CourseUiFixture.h"

#include "SkinFonts.h"
#include "TestSupport.h"
#include "TfrmNawigacja.h"

#include <QApplication>
#include <QTest>

namespace {

// One QApplication for the whole test run, with the program's fonts.
class WidgetsEnvironment final : public testing::Environment {
public:
    void SetUp() override
    {
        static int argc = 1;
        static char name[] = "course_ui_tests";
        static char* argv[] = {name, nullptr};
        m_app = new QApplication(argc, argv);
        InstallSkinFonts();
    }
    void TearDown() override
    {
        delete m_app;
        m_app = nullptr;
    }

private:
    QApplication* m_app = nullptr;
};

[[maybe_unused]] testing::Environment* const g_env = testing::AddGlobalTestEnvironment(new WidgetsEnvironment);

} // namespace

void PrintTo(const QPoint& p, std::ostream* os)
{
    *os << "(" << p.x() << ", " << p.y() << ")";
}

void PrintTo(const QRect& r, std::ostream* os)
{
    *os << "(" << r.x() << ", " << r.y() << " " << r.width() << "x" << r.height() << ")";
}

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
    ctx = std::make_unique<ShellContext>(ShellContext{inst, settings, skin.record(), messages, audio, clock});
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
