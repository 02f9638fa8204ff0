#include "WidgetsEnvironment.h"

#include <QApplication>

namespace testsupport {

WidgetsEnvironment::WidgetsEnvironment(std::function<void()> afterStart) : m_afterStart(std::move(afterStart))
{
}

void WidgetsEnvironment::SetUp()
{
    static int argc = 1;
    static char name[] = "orvanta_tests";
    static char* argv[] = {name, nullptr};
    m_app = new QApplication(argc, argv);
    if (m_afterStart)
        m_afterStart();
}

void WidgetsEnvironment::TearDown()
{
    delete m_app;
    m_app = nullptr;
}

} // namespace testsupport
