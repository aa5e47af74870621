#include <gtest/gtest.h>

#include <string>

#include "qt/process/PlatformStartGuard.h"

// A platform asked for by name that is neither X11 nor Wayland is blamed itself, whichever
// displays are set; X11 and Wayland, or no platform named, are about their displays.
TEST(PlatformFailure, NamesThePlatformThatFailedRatherThanTheDisplays) {
    const char* junkArgs[] = {"lumabels", "-platform", "xcb", "--platform", "junk"};
    EXPECT_EQ(PlatformFailureLine(CommandLinePlatform(5, junkArgs), ":0", nullptr, "xcb"),
              "lumabels: cannot start: the platform -platform junk could not be started\n");
    const char* none[] = {"lumabels"};
    EXPECT_EQ(PlatformFailureLine(CommandLinePlatform(1, none), ":0", nullptr, "junk"),
              "lumabels: cannot start: the platform QT_QPA_PLATFORM=junk could not be started\n");

    const char* xcbArgs[] = {"lumabels", "-platform", "xcb"};
    EXPECT_EQ(PlatformFailureLine(CommandLinePlatform(3, xcbArgs), nullptr, nullptr, "junk"),
              NoDisplayLine(nullptr, nullptr, nullptr));
    EXPECT_EQ(PlatformFailureLine(CommandLinePlatform(1, none), ":7", nullptr, "wayland;xcb"),
              NoDisplayLine(":7", nullptr, "wayland;xcb"));
    EXPECT_EQ(PlatformFailureLine(CommandLinePlatform(1, none), nullptr, nullptr, nullptr),
              NoDisplayLine(nullptr, nullptr, nullptr));
    // A "-platform" with nothing after it asks for nothing: Qt leaves it alone too.
    const char* dangling[] = {"lumabels", "-platform"};
    EXPECT_EQ(PlatformFailureLine(CommandLinePlatform(2, dangling), ":0", nullptr, nullptr),
              NoDisplayLine(":0", nullptr, nullptr));
}
