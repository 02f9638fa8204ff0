// Linked into every window test program (as an object library, so that the
// registration below is never dropped): one QApplication for the whole run,
// with the program's fonts installed.
#include "SkinFonts.h"

#include <gtest/gtest.h>

#include <QApplication>

namespace {

// One QApplication for the whole test run, with the program's fonts.
class WidgetsEnvironment final : public testing::Environment {
public:
    void SetUp() override
    {
        static int argc = 1;
        static char name[] = "orvanta-window-tests";
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
