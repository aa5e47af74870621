#include <gtest/gtest.h>

#include <map>
#include <optional>
#include <string>

#include "qt/desktop/PathFacts.h"
#include "qt/desktop/ProgramPaths.h"

namespace {

using Kind = FileFacts::Kind;

constexpr uid_t Root = 0;
constexpr uid_t Player = 1000;
constexpr uid_t Other = 1001;
constexpr gid_t PlayerGroup = 1000;
constexpr gid_t OtherGroup = 1001;
constexpr gid_t Games = 60;

FileFacts MakeEntry(Kind type, uid_t owner, gid_t group, mode_t mode) {
    FileFacts facts;
    facts.Type = type;
    facts.Owner = owner;
    facts.Group = group;
    facts.Mode = mode;
    return facts;
}

// A staged machine: its files and folders, its links, its environment and its user.
class Machine final : public PathFacts {
  public:
    void Folder(const std::string& path, uid_t owner, gid_t group, mode_t mode) {
        entries_[path] = MakeEntry(Kind::Folder, owner, group, mode);
    }
    void File(const std::string& path, uid_t owner, gid_t group, mode_t mode) {
        entries_[path] = MakeEntry(Kind::Regular, owner, group, mode);
    }
    void Other(const std::string& path) {
        entries_[path] = MakeEntry(Kind::Other, Player, 0, 0600);
    }
    void Link(const std::string& path, uid_t owner, const std::string& to) {
        entries_[path] = MakeEntry(Kind::Link, owner, owner, 0777);
        links_[path] = to;
    }
    void Data(const std::string& folder) {
        Folder(folder + "sound", Root, 0, 0755);
        Folder(folder + "help", Root, 0, 0755);
        File(folder + "help/index.html", Root, 0, 0644);
    }
    void Env(const std::string& name, const std::string& value) { environment_[name] = value; }
    void Unset(const std::string& name) { environment_.erase(name); }
    void RunAs(uid_t uid, gid_t gid) {
        user_.Uid = uid;
        user_.Groups = {gid};
    }
    void AlsoIn(gid_t group) { user_.Groups.push_back(group); }
    void PasswordHomeIs(std::string home) { passwordHome_ = std::move(home); }

    std::optional<FileFacts> Entry(const std::string& path) const override {
        const auto found = entries_.find(Trimmed(path));
        return found == entries_.end() ? std::nullopt : std::optional<FileFacts>(found->second);
    }
    std::optional<FileFacts> Target(const std::string& path) const override {
        std::string at = Trimmed(path);
        for (int hops = 0; hops < 8; ++hops) {
            const auto link = links_.find(at);
            if (link == links_.end()) {
                return Entry(at);
            }
            at = link->second;
        }
        return std::nullopt;  // a loop
    }
    std::string Environment(const char* name) const override {
        const auto found = environment_.find(name);
        return found == environment_.end() ? std::string() : found->second;
    }
    std::string PasswordHome() const override { return passwordHome_; }
    UserIds User() const override { return user_; }

  private:
    static std::string Trimmed(std::string path) {
        while (path.size() > 1 && path.back() == '/') {
            path.pop_back();
        }
        return path;
    }

    std::map<std::string, FileFacts> entries_;
    std::map<std::string, std::string> links_;
    std::map<std::string, std::string> environment_{{"HOME", "/home/player"}};
    std::string passwordHome_ = "/home/from-passwd";
    UserIds user_{Player, {PlayerGroup}};
};

const std::string UserFile = "/home/player/.config/lumabels/settings.ini";

// An installed game: /usr/bin with the data in /usr/share/lumabels.
Machine Installed() {
    Machine m;
    m.Folder("/usr/bin", Root, 0, 0755);
    m.Data("/usr/share/lumabels/");
    return m;
}

// A portable copy in /games/lumabels, the player's own folder.
Machine Portable(mode_t folderMode = 0755, uid_t owner = Player, gid_t group = PlayerGroup) {
    Machine m;
    m.Folder("/games/lumabels", owner, group, folderMode);
    m.Data("/games/lumabels/");
    return m;
}

const std::string Beside = "/games/lumabels/settings.ini";

}  // namespace

TEST(ProgramPaths, APortableFolderKeepsEverythingBesideTheProgram) {
    const Machine m = Portable();
    const ProgramPaths p = ResolveProgramPaths("/games/lumabels/", m);
    EXPECT_EQ(p.SoundDir, "/games/lumabels/sound/");
    EXPECT_EQ(p.HelpPath, "/games/lumabels/help/index.html");
    EXPECT_EQ(p.SettingsPath, Beside);
    EXPECT_EQ(p.SettingsFallbackPath, "");
}

TEST(ProgramPaths, AnInstallFindsItsDataBesideBinAndSettingsInTheUsersConfig) {
    Machine m = Installed();
    const ProgramPaths p = ResolveProgramPaths("/usr/bin/", m);
    EXPECT_EQ(p.SoundDir, "/usr/share/lumabels/sound/");
    EXPECT_EQ(p.HelpPath, "/usr/share/lumabels/help/index.html");
    EXPECT_EQ(p.SettingsPath, UserFile);
    EXPECT_EQ(p.SettingsFallbackPath, "");
    m.Env("XDG_CONFIG_HOME", "/data/config/");
    EXPECT_EQ(ResolveProgramPaths("/usr/bin/", m).SettingsPath,
              "/data/config/lumabels/settings.ini");
    m.Env("XDG_CONFIG_HOME", "relative/config");  // not absolute: ignored
    EXPECT_EQ(ResolveProgramPaths("/usr/bin/", m).SettingsPath, UserFile);
}

TEST(ProgramPaths, AnInstalledGameRunByRootNeverWritesBesideItself) {
    Machine m = Installed();
    m.RunAs(Root, 0);
    m.Env("HOME", "/root");
    EXPECT_EQ(ResolveProgramPaths("/usr/bin/", m).SettingsPath,
              "/root/.config/lumabels/settings.ini");
    // Not even when a settings.ini is already there.
    m.File("/usr/bin/settings.ini", Root, 0, 0644);
    const ProgramPaths p = ResolveProgramPaths("/usr/bin/", m);
    EXPECT_EQ(p.SettingsPath, "/root/.config/lumabels/settings.ini");
    EXPECT_EQ(p.SettingsFallbackPath, "");
}

TEST(ProgramPaths, WithoutHomeTheHomeFolderComesFromThePasswordDatabase) {
    Machine m = Installed();
    m.Unset("HOME");
    EXPECT_EQ(ResolveProgramPaths("/usr/bin/", m).SettingsPath,
              "/home/from-passwd/.config/lumabels/settings.ini");
    m.Env("HOME", "");
    EXPECT_EQ(ResolveProgramPaths("/usr/bin/", m).SettingsPath,
              "/home/from-passwd/.config/lumabels/settings.ini");
    m.Env("HOME", "relative");
    EXPECT_EQ(ResolveProgramPaths("/usr/bin/", m).SettingsPath,
              "/home/from-passwd/.config/lumabels/settings.ini");
    // No home anywhere: no place at all, rather than one relative to the current folder or
    // at the root of the file system.
    m.PasswordHomeIs("");
    EXPECT_EQ(ResolveProgramPaths("/usr/bin/", m).SettingsPath, "");
    m.PasswordHomeIs("/");
    EXPECT_EQ(ResolveProgramPaths("/usr/bin/", m).SettingsPath, "/.config/lumabels/settings.ini");
}

TEST(ProgramPaths, AWritableSettingsFileInAReadOnlyFolderIsOnlyRead) {
    // The safe save needs a new file in the folder, so the file cannot be saved there.
    Machine m = Portable(0555);
    m.File(Beside, Player, PlayerGroup, 0644);
    const ProgramPaths p = ResolveProgramPaths("/games/lumabels/", m);
    EXPECT_EQ(p.SettingsPath, UserFile);
    EXPECT_EQ(p.SettingsFallbackPath, Beside);
}

TEST(ProgramPaths, AReadOnlySettingsFileSuppliesTheValuesButIsNotWritten) {
    Machine m = Portable();
    m.File(Beside, Player, PlayerGroup, 0444);
    ProgramPaths p = ResolveProgramPaths("/games/lumabels/", m);
    EXPECT_EQ(p.SettingsPath, UserFile);
    EXPECT_EQ(p.SettingsFallbackPath, Beside);
    // Root may write anything, but is held to the mode bits all the same.
    m.RunAs(Root, 0);
    m.Folder("/games/lumabels", Root, 0, 0755);
    m.File(Beside, Root, 0, 0444);
    p = ResolveProgramPaths("/games/lumabels/", m);
    EXPECT_EQ(p.SettingsPath, UserFile);
    EXPECT_EQ(p.SettingsFallbackPath, Beside);
}

TEST(ProgramPaths, ARootOwnedPortableFolderIsReadOnlyToItsPlayers) {
    Machine m = Portable(0755, Root, 0);
    m.File(Beside, Root, 0, 0644);
    EXPECT_EQ(ResolveProgramPaths("/games/lumabels/", m).SettingsPath, UserFile);
    EXPECT_EQ(ResolveProgramPaths("/games/lumabels/", m).SettingsFallbackPath, Beside);
    // A folder shared with a group the player is in, and a file they own.
    m.Folder("/games/lumabels", Root, Games, 0775);
    m.File(Beside, Player, Games, 0664);
    EXPECT_EQ(ResolveProgramPaths("/games/lumabels/", m).SettingsPath, UserFile);
    m.AlsoIn(Games);
    EXPECT_EQ(ResolveProgramPaths("/games/lumabels/", m).SettingsPath, Beside);
}

TEST(ProgramPaths, RootDoesNotMakeFilesInAnotherUsersFolder) {
    Machine m = Portable(0755, Player, PlayerGroup);
    m.RunAs(Root, 0);
    m.Env("HOME", "/root");
    EXPECT_EQ(ResolveProgramPaths("/games/lumabels/", m).SettingsPath,
              "/root/.config/lumabels/settings.ini");
}

TEST(ProgramPaths, AnotherUsersFileInASharedFolderIsOnlyRead) {
    Machine m = Portable(01777, Root, 0);
    m.File(Beside, Other, OtherGroup, 0666);
    ProgramPaths p = ResolveProgramPaths("/games/lumabels/", m);
    EXPECT_EQ(p.SettingsPath, UserFile);
    EXPECT_EQ(p.SettingsFallbackPath, Beside);
    // Root can give a new file the old one's owner, so it may replace it.
    m.RunAs(Root, 0);
    p = ResolveProgramPaths("/games/lumabels/", m);
    EXPECT_EQ(p.SettingsPath, Beside);
}

TEST(ProgramPaths, AFolderOrAnythingElseNamedSettingsIniIsNeitherReadNorWritten) {
    Machine m = Portable();
    m.Folder(Beside, Player, PlayerGroup, 0755);
    ProgramPaths p = ResolveProgramPaths("/games/lumabels/", m);
    EXPECT_EQ(p.SettingsPath, UserFile);
    EXPECT_EQ(p.SettingsFallbackPath, "");
    m.Other(Beside);  // a FIFO, a socket, a device
    p = ResolveProgramPaths("/games/lumabels/", m);
    EXPECT_EQ(p.SettingsPath, UserFile);
    EXPECT_EQ(p.SettingsFallbackPath, "");
}

TEST(ProgramPaths, ALinkIsFollowedOnlyWhenItAndItsFileAreThePlayers) {
    Machine m = Portable(01777, Root, 0);
    m.Folder("/home/player", Player, PlayerGroup, 0755);
    m.File("/home/player/mine.ini", Player, PlayerGroup, 0644);
    m.File("/home/player/.profile", Player, PlayerGroup, 0644);
    m.Folder("/home/other", Other, OtherGroup, 0755);
    m.File("/home/other/theirs.ini", Other, OtherGroup, 0666);

    m.Link(Beside, Player, "/home/player/mine.ini");
    EXPECT_EQ(ResolveProgramPaths("/games/lumabels/", m).SettingsPath, Beside);

    // Planted by another user, it leads to the player's own file: never followed.
    m.Link(Beside, Other, "/home/player/.profile");
    ProgramPaths p = ResolveProgramPaths("/games/lumabels/", m);
    EXPECT_EQ(p.SettingsPath, UserFile);
    EXPECT_EQ(p.SettingsFallbackPath, "");

    m.Link(Beside, Player, "/home/other/theirs.ini");
    p = ResolveProgramPaths("/games/lumabels/", m);
    EXPECT_EQ(p.SettingsPath, UserFile);
    EXPECT_EQ(p.SettingsFallbackPath, "");

    // As root too: the link must be root's and lead to root's file.
    m.RunAs(Root, 0);
    m.Link(Beside, Player, "/home/player/mine.ini");
    EXPECT_NE(ResolveProgramPaths("/games/lumabels/", m).SettingsPath, Beside);
}

TEST(ProgramPaths, ADanglingLinkOrALoopIsNeverUsed) {
    Machine m = Portable();
    m.Link(Beside, Player, "/games/lumabels/nowhere.ini");
    ProgramPaths p = ResolveProgramPaths("/games/lumabels/", m);
    EXPECT_EQ(p.SettingsPath, UserFile);
    EXPECT_EQ(p.SettingsFallbackPath, "");
    m.Link(Beside, Player, "/games/lumabels/loop.ini");
    m.Link("/games/lumabels/loop.ini", Player, Beside);
    p = ResolveProgramPaths("/games/lumabels/", m);
    EXPECT_EQ(p.SettingsPath, UserFile);
    EXPECT_EQ(p.SettingsFallbackPath, "");
}

TEST(ProgramPaths, AnyOneDataFolderBesideTheProgramMakesItPortable) {
    Machine m;
    m.Folder("/games/lumabels", Player, PlayerGroup, 0755);
    m.Folder("/games/lumabels/help", Player, PlayerGroup, 0755);
    EXPECT_EQ(ResolveProgramPaths("/games/lumabels/", m).SettingsPath, Beside);
    Machine n;
    n.Folder("/games/lumabels", Player, PlayerGroup, 0755);
    n.Folder("/games/lumabels/sound", Player, PlayerGroup, 0755);
    EXPECT_EQ(ResolveProgramPaths("/games/lumabels/", n).SettingsPath, Beside);
    // A bare executable is no portable copy.
    Machine bare;
    bare.Folder("/games/lumabels", Player, PlayerGroup, 0755);
    EXPECT_EQ(ResolveProgramPaths("/games/lumabels/", bare).SettingsPath, UserFile);
}

TEST(ProgramPaths, AnUnknownOrOverlongFolderGivesNoPathRelativeToTheCurrentOne) {
    const Machine m = Portable();
    const std::string deep = "/" + std::string(5000, 'd') + "/";
    for (const std::string& folder : {std::string(), deep, std::string("games/lumabels/")}) {
        const ProgramPaths p = ResolveProgramPaths(folder, m);
        EXPECT_EQ(p.SoundDir, "/usr/share/lumabels/sound/") << folder.size();
        EXPECT_EQ(p.HelpPath, "/usr/share/lumabels/help/index.html");
        EXPECT_EQ(p.SettingsPath, UserFile);
        EXPECT_EQ(p.SettingsFallbackPath, "");
    }
}
