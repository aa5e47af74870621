#include "app/ProgramPaths.h"

#include <unistd.h>

#include <cstdlib>
#include <filesystem>

namespace {

constexpr const char* InstalledData = "../share/lumabels/";

std::string UserConfigFolder(const PathFacts& facts) {
    const std::string xdg = facts.Environment("XDG_CONFIG_HOME");
    // Only an absolute path counts; anything else is to be ignored.
    if (!xdg.empty() && xdg.front() == '/') {
        return xdg + "/";
    }
    return facts.Environment("HOME") + "/.config/";
}

}  // namespace

ProgramPaths ResolveProgramPaths(const std::string& executableFolder, const PathFacts& facts) {
    ProgramPaths paths;
    // Written out plainly ("/usr/share/...", not "/usr/bin/../share/..."), as a browser or a
    // user will see it.
    const std::string data =
        std::filesystem::path(executableFolder + InstalledData).lexically_normal().string();
    paths.SoundDir =
        facts.Exists(executableFolder + "sound") ? executableFolder + "sound/" : data + "sound/";
    const std::string localHelp = executableFolder + "help/index.html";
    paths.HelpPath = facts.Exists(localHelp) ? localHelp : data + "help/index.html";

    const std::string localSettings = executableFolder + "settings.ini";
    const bool localUsable = facts.Exists(localSettings) ? facts.Writable(localSettings)
                                                         : facts.Writable(executableFolder);
    paths.SettingsPath =
        localUsable ? localSettings : UserConfigFolder(facts) + "lumabels/settings.ini";
    return paths;
}

PathFacts SystemPathFacts() {
    return PathFacts{
        [](const std::string& path) {
            std::error_code ignored;
            return std::filesystem::exists(path, ignored);
        },
        [](const std::string& path) { return access(path.c_str(), W_OK) == 0; },
        [](const char* name) {
            const char* value = std::getenv(name);
            return std::string(value != nullptr ? value : "");
        },
    };
}
