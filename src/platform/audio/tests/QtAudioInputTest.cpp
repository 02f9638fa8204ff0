#include "QtAudioInput.h"

#include <QCoreApplication>

#include <gtest/gtest.h>

// Whatever the machine has (a microphone, a sound server without one, nothing
// at all), starting and reading either works or ends with a message for the
// learner; it never crashes or hangs.
TEST(QtAudioInput, StartsOrExplainsWhyNot)
{
    int argc = 1;
    char name[] = "audio_in_qt_tests";
    char* argv[] = {name, nullptr};
    QCoreApplication app(argc, argv);

    QtAudioInput input;
    const Status s = input.start(16000);
    std::vector<int16_t> got;
    if (!s.ok()) {
        EXPECT_FALSE(s.failure().text.isEmpty());
        ASSERT_TRUE(input.error().has_value());
        EXPECT_FALSE(input.read(got, 50));
        EXPECT_TRUE(got.empty());
    } else {
        for (int i = 0; i < 4 && input.read(got, 50); ++i) {
        }
        if (input.error())
            EXPECT_FALSE(input.error()->text.isEmpty());
    }
    input.stop();
    EXPECT_FALSE(input.read(got, 10)); // stopped
}
