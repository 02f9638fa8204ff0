#include "ShellTestKit.h"

#include "Definitions.h"
#include "SkinFonts.h"
#include "TDrzewo.h"

#include <QApplication>
#include <QDir>
#include <QImage>
#include <QPainter>

#include <gtest/gtest.h>

namespace {

// One QApplication for the whole test run, with the program's fonts.
class WidgetsEnvironment final : public testing::Environment {
public:
    void SetUp() override
    {
        static int argc = 1;
        static char name[] = "app_ui_tests";
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

void ScriptedModalRunner::run(QDialog& dialog)
{
    ran << QString::fromLatin1(dialog.metaObject()->className());
    dialog.show();
    EXPECT_TRUE(QTest::qWaitForWindowExposed(&dialog));
    if (m_scripts.isEmpty()) {
        ADD_FAILURE() << "no script for " << dialog.metaObject()->className();
        dialog.reject();
        return;
    }
    const Script script = m_scripts.takeFirst();
    script(dialog);
    if (dialog.isVisible()) {
        ADD_FAILURE() << dialog.metaObject()->className() << " still open after its script";
        dialog.reject();
    }
}

static void writePicture(const QString& path, QColor c)
{
    QImage img(1024, 768, QImage::Format_RGB32);
    img.fill(c);
    QPainter p(&img);
    p.fillRect(0, 0, 1024, 40, c.darker());
    p.end();
    QDir().mkpath(QFileInfo(path).absolutePath());
    img.save(path);
}

ShellTestKit::ShellTestKit()
{
    inst.appDir = testsupport::copyFixture(QStringLiteral(FIXTURES_DIR "/inst"), tmp);
    inst.programMode = 1;
    inst.helpDir = QStringLiteral("\\Pomoc - Selko");
    QDir(inst.appDir).mkpath(QStringLiteral("Users"));
    QDir(inst.appDir).mkpath(QStringLiteral("Dane"));
    writePicture(file(QStringLiteral("Gfx/bg.bmp")), QColor(40, 80, 140));
    writePicture(file(QStringLiteral("Gfx/bg_start_1.png")), QColor(30, 100, 170));
    writePicture(file(QStringLiteral("Gfx/bg_start_2.png")), QColor(160, 60, 60));
    for (const char* g : {"K", "M"})
        for (int f = 11; f <= 26; ++f)
            skin.setSize(QStringLiteral("C%1%2").arg(QLatin1String(g)).arg(f), QSize(60, 59));
    loadTexts(0);
    ctx = std::make_unique<ShellContext>(ShellContext{inst, settings, skin.record(), messages, audio, clock});
    hooks.showHelp = [this](const QString& page, QWidget*) { helpPages << page; };
    hooks.askExit = [this] { ++exitQuestions; };
    hooks.minimize = [this] { ++minimized; };
    hooks.playSound = [this](const QString& s) { sounds << s; };
}

void ShellTestKit::loadTexts(int language)
{
    inst.interfaceLanguage = language;
    TDrzewo tree;
    const Status s = LoadDefinitions(inst, tree);
    EXPECT_TRUE(s.ok());
}

QStringList ShellTestKit::messageTexts() const
{
    QStringList texts;
    for (const auto& m : messages.shown)
        texts << m.text;
    return texts;
}

namespace uidrive {

// Through the window, as the window system delivers it: the widget under the
// point gets the events (and the mouse grab between press and release).
void click(QWidget* w, QPoint pos)
{
    if (pos == QPoint(-1, -1))
        pos = w->rect().center();
    QWidget* top = w->window();
    const QPoint p = w->mapTo(top, pos);
    QTest::mouseMove(top->windowHandle(), p);
    QTest::mouseClick(top->windowHandle(), Qt::LeftButton, Qt::NoModifier, p);
    QCoreApplication::processEvents();
}

void hover(QWidget* w, QPoint pos)
{
    QWidget* top = w->window();
    QTest::mouseMove(top->windowHandle(), w->mapTo(top, pos));
    QCoreApplication::processEvents();
}

void type(QWidget* w, const QString& text)
{
    for (const QChar c : text)
        QTest::sendKeyEvent(QTest::Click, w, Qt::Key_unknown, QString(c), Qt::NoModifier);
}

void key(QWidget* w, Qt::Key k, Qt::KeyboardModifiers mods)
{
    QTest::keyClick(w, k, mods);
}

} // namespace uidrive
