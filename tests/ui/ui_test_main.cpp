// The GUI tests run on the real widgets, offscreen unless a display is asked for.
#include <gtest/gtest.h>

#include <cstdlib>

#include "platform/window.h"

int main(int argc, char** argv) {
    ::setenv("QT_QPA_PLATFORM", "offscreen", 0);
    ::testing::InitGoogleTest(&argc, argv);
    if (!qm::platform::StartWindowing()) return 1;
    int result = RUN_ALL_TESTS();
    qm::platform::StopWindowing();
    return result;
}
