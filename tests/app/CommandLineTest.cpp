#include <gtest/gtest.h>

#include "app/CommandLine.h"

namespace {
CommandLineAction Parse(std::initializer_list<const char*> args) {
    std::vector<const char*> argv{"lumabels"};
    argv.insert(argv.end(), args.begin(), args.end());
    return ParseCommandLine(static_cast<int>(argv.size()), argv.data());
}
}  // namespace

TEST(CommandLine, KnowsOnlyHelpAndVersion) {
    EXPECT_EQ(Parse({}), CommandLineAction::Run);
    EXPECT_EQ(Parse({"--help"}), CommandLineAction::Help);
    EXPECT_EQ(Parse({"--version"}), CommandLineAction::Version);
    for (const char* other : {"-h", "--HELP", "help", "", "-platform", "--version=1"}) {
        EXPECT_EQ(Parse({other}), CommandLineAction::Misuse) << other;
    }
    EXPECT_EQ(Parse({"--help", "--version"}), CommandLineAction::Misuse);
    EXPECT_EQ(Parse({"-platform", "offscreen"}), CommandLineAction::Misuse);
}

TEST(CommandLine, TextsNameTheProgramAndVersion) {
    EXPECT_EQ(VersionText(), "lumabels 1.0.2\n");
    EXPECT_EQ(HelpText().rfind(UsageLine(), 0), 0U);
    EXPECT_NE(HelpText().find("--version"), std::string::npos);
}
