#include <gtest/gtest.h>

#include <QCoreApplication>

#include <cstdlib>

int main(int argc, char** argv)
{
    // Test discovery runs the binaries at build time, without the ctest environment.
    if (!std::getenv("QT_QPA_PLATFORM"))
        setenv("QT_QPA_PLATFORM", "offscreen", 1);
    testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
