#include <gtest/gtest.h>

#include <regex>
#include <string>

#include "GameVersion.h"
#include "qt/process/CommandLine.h"
#include "qt/process/PlatformStartGuard.h"

namespace {
CommandLineAction Parse(std::initializer_list<const char*> args) {
    std::vector<const char*> argv{"lumabels"};
    argv.insert(argv.end(), args.begin(), args.end());
    return ParseCommandLine(static_cast<int>(argv.size()), argv.data());
}
}  // namespace

TEST(CommandLine, KnowsOnlyHelpAndVersionOfItsOwn) {
    EXPECT_EQ(Parse({}), CommandLineAction::Run);
    EXPECT_EQ(Parse({"--help"}), CommandLineAction::Help);
    EXPECT_EQ(Parse({"--version"}), CommandLineAction::Version);
    for (const char* other : {"-h", "--HELP", "help", "", "-", "--", "--version=1", "-version"}) {
        EXPECT_EQ(Parse({other}), CommandLineAction::Misuse) << other;
    }
    EXPECT_EQ(Parse({"--help", "--version"}), CommandLineAction::Misuse);
    EXPECT_EQ(Parse({"--help", "--help"}), CommandLineAction::Misuse);
}

TEST(CommandLine, LetsQtsOwnOptionsThrough) {
    // Each as Qt 6 takes it: the name with one or two dashes, and its value when it has one.
    EXPECT_EQ(Parse({"-platform", "xcb"}), CommandLineAction::Run);
    EXPECT_EQ(Parse({"--platform", "wayland"}), CommandLineAction::Run);
    EXPECT_EQ(Parse({"-style", "fusion"}), CommandLineAction::Run);
    EXPECT_EQ(Parse({"-style=fusion"}), CommandLineAction::Run);
    EXPECT_EQ(Parse({"--stylesheet=my.qss"}), CommandLineAction::Run);
    EXPECT_EQ(Parse({"-reverse"}), CommandLineAction::Run);
    EXPECT_EQ(Parse({"-display", ":1", "-geometry", "+10+10", "-qwindowtitle", "Lumabels"}),
              CommandLineAction::Run);
    EXPECT_EQ(Parse({"-title", "x", "-icon", "i.png", "-name", "n", "-visual", "0x21"}),
              CommandLineAction::Run);
    EXPECT_EQ(Parse({"-session", "id", "-platformtheme", "gtk3", "-plugin", "evdevmouse"}),
              CommandLineAction::Run);
    EXPECT_EQ(
        Parse({"-platformpluginpath", "/p", "-qwindowgeometry", "400x300", "-qwindowicon", "i"}),
        CommandLineAction::Run);
    EXPECT_EQ(Parse({"-testability", "-widgetcount", "-nograb", "-dograb"}),
              CommandLineAction::Run);
    // A value is taken whatever it looks like, even an option of ours.
    EXPECT_EQ(Parse({"-qwindowtitle", "--help"}), CommandLineAction::Run);
}

TEST(CommandLine, OurOptionsBesideQtsStillWork) {
    EXPECT_EQ(Parse({"-platform", "xcb", "--help"}), CommandLineAction::Help);
    EXPECT_EQ(Parse({"--version", "-style", "fusion"}), CommandLineAction::Version);
    EXPECT_EQ(Parse({"-reverse", "--bogus"}), CommandLineAction::Misuse);
}

TEST(CommandLine, AQtOptionWithoutItsValueIsAMisuse) {
    // Qt leaves such an option where it is; the game would not know what to do with it.
    EXPECT_EQ(Parse({"-platform"}), CommandLineAction::Misuse);
    EXPECT_EQ(Parse({"-reverse", "-style"}), CommandLineAction::Misuse);
    EXPECT_EQ(Parse({"-style="}), CommandLineAction::Run);           // Qt takes it too, as no style
    EXPECT_EQ(Parse({"-platform=xcb"}), CommandLineAction::Misuse);  // not a form Qt knows
}

TEST(CommandLine, TextsNameTheProgramAndVersion) {
    EXPECT_EQ(VersionText(), std::string("lumabels ") + GameVersion + "\n");
    EXPECT_EQ(HelpText().rfind(UsageLine(), 0), 0U);
    EXPECT_NE(HelpText().find("--version"), std::string::npos);
}

// The version comes from the build through a generated header: one line of the program's
// name and three dotted numbers, nothing around them.
TEST(CommandLine, VersionTextIsTheNameAndThreeDottedNumbers) {
    EXPECT_TRUE(std::regex_match(VersionText(), std::regex("lumabels [0-9]+\\.[0-9]+\\.[0-9]+\n")))
        << VersionText();
}

TEST(NoDisplay, OneLineNamesWhatWasLookedFor) {
    EXPECT_EQ(NoDisplayLine(nullptr, nullptr, nullptr),
              "lumabels: cannot start: no X display (DISPLAY is not set) and no Wayland display "
              "(WAYLAND_DISPLAY is not set) could be opened\n");
    EXPECT_EQ(NoDisplayLine(":7", "", "xcb"),
              "lumabels: cannot start: no X display (DISPLAY=:7) and no Wayland display "
              "(WAYLAND_DISPLAY is not set) could be opened with the platform "
              "QT_QPA_PLATFORM=xcb\n");
    EXPECT_NE(PlatformStartGuard::NoDisplayExitStatus, 1);  // 1 means "already running"
}
