#pragma once

#include <gtest/gtest.h>

#include <functional>

class QApplication;

namespace testsupport {

// One QApplication for a whole run of a widget test program, made before the
// first test and deleted after the last; `afterStart` runs once it exists
// (installing the program's fonts, say). Register it from the test program's
// own source file, since a registration inside a library is dropped by the
// linker:
//
//   static testing::Environment* const env =
//       testing::AddGlobalTestEnvironment(new testsupport::WidgetsEnvironment([] { InstallSkinFonts(); }));
class WidgetsEnvironment final : public testing::Environment {
public:
    explicit WidgetsEnvironment(std::function<void()> afterStart = {});
    void SetUp() override;
    void TearDown() override;

private:
    std::function<void()> m_afterStart;
    QApplication* m_app = nullptr;
};

} // namespace testsupport
