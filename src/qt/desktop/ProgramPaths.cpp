#include "qt/desktop/ProgramPaths.h"

#include <climits>
#include <filesystem>

namespace {

constexpr const char* InstalledData = "../share/lumabels/";
// Where the package installs the data, for a game that cannot tell where it is.
constexpr const char* PackagedData = "/usr/share/lumabels/";
constexpr const char* ConfigName = "lumabels/settings.ini";

bool IsAbsolute(const std::string& path) {
    return !path.empty() && path.front() == '/';
}

std::string WithoutTrailingSlashes(std::string path) {
    while (path.size() > 1 && path.back() == '/') {
        path.pop_back();
    }
    return path == "/" ? "" : path;
}

std::string HomeFolder(const PathFacts& facts) {
    const std::string home = facts.Environment("HOME");
    if (IsAbsolute(home)) {
        return home;
    }
    const std::string fromDatabase = facts.PasswordHome();
    return IsAbsolute(fromDatabase) ? fromDatabase : std::string();
}

std::string UserConfigFile(const PathFacts& facts) {
    const std::string xdg = facts.Environment("XDG_CONFIG_HOME");
    if (IsAbsolute(xdg)) {
        return WithoutTrailingSlashes(xdg) + "/" + ConfigName;
    }
    const std::string home = HomeFolder(facts);
    if (home.empty()) {
        return {};
    }
    return WithoutTrailingSlashes(home) + "/.config/" + ConfigName;
}

bool IsUsableFolder(const std::string& folder) {
    return IsAbsolute(folder) && folder.back() == '/' && folder.size() < PATH_MAX;
}

// How settings.ini beside the executable may be used.
struct LocalFile {
    bool Writable = false;  // the settings may be saved there
    bool Readable = false;  // it may supply the values while the user's file is missing
};

LocalFile JudgeLocalFile(const std::string& folder, const std::string& file,
                         const PathFacts& facts) {
    const UserIds user = facts.User();
    const auto folderFacts = facts.Target(folder);
    const bool mayCreate = folderFacts && folderFacts->MayCreateIn(user);
    const auto entry = facts.Entry(file);
    if (!entry) {
        return LocalFile{mayCreate, false};
    }
    if (entry->Type == FileFacts::Kind::Regular) {
        return LocalFile{mayCreate && entry->MayReplace(user), true};
    }
    if (entry->Type != FileFacts::Kind::Link || entry->Owner != user.Uid) {
        return LocalFile{};
    }
    // A link of the user's own is followed to a regular file of theirs, and no further.
    const auto target = facts.Target(file);
    if (!target || target->Type != FileFacts::Kind::Regular || target->Owner != user.Uid) {
        return LocalFile{};
    }
    return LocalFile{mayCreate && target->MayReplace(user), true};
}

}  // namespace

ProgramPaths ResolveProgramPaths(const std::string& executableFolder, const PathFacts& facts) {
    ProgramPaths paths;
    paths.SettingsPath = UserConfigFile(facts);
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
    if (!localSound && !facts.Target(executableFolder + "help")) {
        return paths;
    }
    const std::string localSettings = executableFolder + "settings.ini";
    const LocalFile local = JudgeLocalFile(executableFolder, localSettings, facts);
    if (local.Writable) {
        paths.SettingsPath = localSettings;
    } else if (local.Readable) {
        paths.SettingsFallbackPath = localSettings;
    }
    return paths;
}
