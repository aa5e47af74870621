#include "qt/desktop/ProgramPaths.h"

#include <climits>
#include <filesystem>
#include <utility>

#include "settings/SettingsPlace.h"

namespace {

constexpr const char* InstalledData = "../share/lumabels/";
// Where the package installs the data, for a game that cannot tell where it is.
constexpr const char* PackagedData = "/usr/share/lumabels/";
constexpr const char* ConfigFolder = "lumabels/";

bool IsAbsolute(const std::string& path) {
    return !path.empty() && path.front() == '/';
}

std::string WithoutTrailingSlashes(std::string path) {
    while (path.size() > 1 && path.back() == '/') {
        path.pop_back();
    }
    return path == "/" ? "" : path;
}

// A folder that is there and belongs to another user.
bool IsForeignFolder(const std::string& folder, const PathFacts& facts) {
    const auto target = facts.Target(folder);
    return target && target->Owner != facts.User().Uid;
}

// The folder $HOME names, unless it is another user's: then the user's own, and both are
// noted in paths.
std::string HomeFolder(const PathFacts& facts, ProgramPaths& paths) {
    const std::string home = facts.Environment("HOME");
    if (IsAbsolute(home) && !IsForeignFolder(home, facts)) {
        return home;
    }
    const std::string fromDatabase = facts.PasswordHome();
    const std::string own = IsAbsolute(fromDatabase) ? fromDatabase : std::string();
    if (IsAbsolute(home)) {
        paths.ForeignHome = home;
        paths.OwnHome = own;
    }
    return own;
}

bool IsInside(const std::string& path, const std::string& folder) {
    const std::string prefix = WithoutTrailingSlashes(folder) + "/";
    return !folder.empty() && (path + "/").starts_with(prefix);
}

// The folder of the user's configuration for the game, with its trailing '/'.
std::string UserConfigFolder(const PathFacts& facts, ProgramPaths& paths) {
    const std::string home = HomeFolder(facts, paths);
    const std::string xdg = facts.Environment("XDG_CONFIG_HOME");
    if (IsAbsolute(xdg) && !IsInside(xdg, paths.ForeignHome)) {
        return WithoutTrailingSlashes(xdg) + "/" + ConfigFolder;
    }
    if (home.empty()) {
        return {};
    }
    return WithoutTrailingSlashes(home) + "/.config/" + ConfigFolder;
}

bool IsUsableFolder(const std::string& folder) {
    return IsAbsolute(folder) && folder.back() == '/' && folder.size() < PATH_MAX;
}

using BesideUse = SettingsPlaceFacts::BesideUse;

// How settings.ini beside the executable may serve this user, by owner and mode bits.
BesideUse JudgeLocalFile(const std::string& folder, const std::string& file,
                         const PathFacts& facts) {
    const UserIds user = facts.User();
    const auto folderFacts = facts.Target(folder);
    const bool mayCreate = folderFacts && folderFacts->MayCreateIn(user);
    const auto entry = facts.Entry(file);
    if (!entry) {
        return mayCreate ? BesideUse::Keep : BesideUse::None;
    }
    if (entry->Type == FileFacts::Kind::Regular) {
        return mayCreate && entry->MayReplace(user) ? BesideUse::Keep : BesideUse::ReadOnly;
    }
    if (entry->Type != FileFacts::Kind::Link || entry->Owner != user.Uid) {
        return BesideUse::None;
    }
    // A link of the user's own is followed to a regular file of theirs, and no further.
    const auto target = facts.Target(file);
    if (!target || target->Type != FileFacts::Kind::Regular || target->Owner != user.Uid) {
        return BesideUse::None;
    }
    return mayCreate && target->MayReplace(user) ? BesideUse::Keep : BesideUse::ReadOnly;
}

// The settings' place judged on this system: the user's configuration folder, and the
// executable's folder by its owners and modes.
class ConfigFolderFacts final : public SettingsPlaceFacts {
  public:
    ConfigFolderFacts(const std::string& executableFolder, const PathFacts& facts,
                      std::string userFolder)
        : folder_(IsUsableFolder(executableFolder) ? executableFolder : std::string()),
          facts_(facts),
          userFolder_(std::move(userFolder)) {}

    std::string ProgramFolder() const override { return folder_; }
    bool DataBesideProgram() const override {
        return facts_.Target(folder_ + "sound") || facts_.Target(folder_ + "help");
    }
    BesideUse SettingsBesideProgram() const override {
        return JudgeLocalFile(folder_, folder_ + "settings.ini", facts_);
    }
    std::string UserSettingsFolder() const override { return userFolder_; }

  private:
    std::string folder_;
    const PathFacts& facts_;
    std::string userFolder_;
};

}  // namespace

ProgramPaths ResolveProgramPaths(const std::string& executableFolder, const PathFacts& facts) {
    ProgramPaths paths;
    const ConfigFolderFacts placeFacts(executableFolder, facts, UserConfigFolder(facts, paths));
    const SettingsPlace place = ChooseSettingsPlace(placeFacts);
    paths.SettingsPath = place.Path;
    paths.SettingsFallbackPath = place.FallbackPath;
    if (!IsUsableFolder(executableFolder)) {
        paths.SoundDir = std::string(PackagedData) + "sound/";
        paths.HelpPath = std::string(PackagedData) + "help/index.html";
        return paths;
    }
    // Written out plainly ("/usr/share/...", not "/usr/bin/../share/..."), as a browser or a
    // user will see it.
    const std::string data =
        std::filesystem::path(executableFolder + InstalledData).lexically_normal().string();
    const bool localSound = facts.Target(executableFolder + "sound").has_value();
    paths.SoundDir = localSound ? executableFolder + "sound/" : data + "sound/";
    const std::string localHelp = executableFolder + "help/index.html";
    paths.HelpPath = facts.Target(localHelp) ? localHelp : data + "help/index.html";
    return paths;
}
