// One QApplication for the whole run of a window test program, with the
// program's fonts. Linked into a test program as an object library, so the
// environment's registration is never dropped by the linker.
#include "WidgetTestApp.h"

#include "SkinFonts.h"

#include <gtest/gtest.h>

#include <QApplication>

namespace {

class WidgetsEnvironment final : public testing::Environment {
public:
    void SetUp() override
    {
        static int argc = 1;
        static char name[] = "orvanta_window_tests";
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

void PrintTo(const QSize& s, std::ostream* os)
{
    *os << s.width() << "x" << s.height();
}

void PrintTo(const QRect& r, std::ostream* os)
{
    *os << "(" << r.x() << ", " << r.y() << " " << r.width() << "x" << r.height() << ")";
}
