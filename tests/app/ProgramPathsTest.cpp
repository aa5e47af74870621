#include <gtest/gtest.h>

#include <set>
#include <string>

#include "app/ProgramPaths.h"

namespace {
// A staged machine: the files that exist, the ones the user may write, the environment.
struct Machine {
    std::set<std::string> existing;
    std::set<std::string> writable;
    std::string xdgConfigHome;
    PathFacts Facts() const {
        return PathFacts{
            [this](const std::string& p) { return existing.count(p) > 0; },
            [this](const std::string& p) { return writable.count(p) > 0; },
            [this](const char* name) {
                return std::string(name) == "XDG_CONFIG_HOME" ? xdgConfigHome
                                                              : std::string("/home/player");
            },
        };
    }
};
}  // namespace

TEST(ProgramPaths, APortableFolderKeepsEverythingBesideTheProgram) {
    Machine m;
    m.existing = {"/games/lumabels/sound", "/games/lumabels/help/index.html"};
    m.writable = {"/games/lumabels/"};
    const ProgramPaths p = ResolveProgramPaths("/games/lumabels/", m.Facts());
    EXPECT_EQ(p.SoundDir, "/games/lumabels/sound/");
    EXPECT_EQ(p.HelpPath, "/games/lumabels/help/index.html");
    EXPECT_EQ(p.SettingsPath, "/games/lumabels/settings.ini");
}

TEST(ProgramPaths, AnInstallFindsItsDataBesideBinAndSettingsInTheUsersConfig) {
    Machine m;
    const ProgramPaths p = ResolveProgramPaths("/usr/bin/", m.Facts());
    EXPECT_EQ(p.SoundDir, "/usr/share/lumabels/sound/");
    EXPECT_EQ(p.HelpPath, "/usr/share/lumabels/help/index.html");
    EXPECT_EQ(p.SettingsPath, "/home/player/.config/lumabels/settings.ini");
    m.xdgConfigHome = "/data/config";
    EXPECT_EQ(ResolveProgramPaths("/usr/bin/", m.Facts()).SettingsPath,
              "/data/config/lumabels/settings.ini");
    m.xdgConfigHome = "relative/config";  // not absolute: ignored
    EXPECT_EQ(ResolveProgramPaths("/usr/bin/", m.Facts()).SettingsPath,
              "/home/player/.config/lumabels/settings.ini");
}

TEST(ProgramPaths, AWritableSettingsFileInAReadOnlyFolderStaysInUse) {
    Machine m;
    m.existing = {"/opt/lumabels/settings.ini"};
    m.writable = {"/opt/lumabels/settings.ini"};
    EXPECT_EQ(ResolveProgramPaths("/opt/lumabels/", m.Facts()).SettingsPath,
              "/opt/lumabels/settings.ini");
}

TEST(ProgramPaths, AReadOnlySettingsFileInAWritableFolderIsLeftAlone) {
    Machine m;
    m.existing = {"/games/settings.ini"};
    m.writable = {"/games/"};
    EXPECT_EQ(ResolveProgramPaths("/games/", m.Facts()).SettingsPath,
              "/home/player/.config/lumabels/settings.ini");
}
