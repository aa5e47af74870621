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
    return OwnOption(static_cast<int>(argv.size()), argv.data());
}
}  // namespace

TEST(CommandLine, AnswersHelpAndVersionWhereverTheyStand) {
    EXPECT_EQ(Parse({}), CommandLineAction::Run);
    EXPECT_EQ(Parse({"--help"}), CommandLineAction::Help);
    EXPECT_EQ(Parse({"--version"}), CommandLineAction::Version);
    EXPECT_EQ(Parse({"-platform", "xcb", "--help"}), CommandLineAction::Help);
    EXPECT_EQ(Parse({"--version", "-style", "fusion"}), CommandLineAction::Version);
    EXPECT_EQ(Parse({"--bogus", "--help"}), CommandLineAction::Help);
    EXPECT_EQ(Parse({"--help", "--version"}), CommandLineAction::Help);
    // Anything else is for the application object to take or leave.
    for (const char* other : {"-h", "--HELP", "help", "", "-", "--", "--version=1", "-version"}) {
        EXPECT_EQ(Parse({other}), CommandLineAction::Run) << other;
    }
}

TEST(CommandLine, ARefusalNamesTheArgumentThenTheUsage) {
    EXPECT_EQ(NotUnderstoodText("--bogus"), "lumabels: unknown argument: --bogus\n" + UsageLine());
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
