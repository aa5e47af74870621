#include "app/ProgramGlobals.h"

#include "app/ProgramPaths.h"

#include <unistd.h>

#include <array>

const std::string TitleText = "Lumabels";
std::string SoundDir;
std::string SettingsPath;
std::string HelpPath;
std::unique_ptr<AppPattern> World;
std::unique_ptr<AppSound> NotePlayer;
std::uint32_t LastTickTime = 0;

std::string ExecutableFolder() {
    std::array<char, 4096> buffer{};
    const ssize_t length = readlink("/proc/self/exe", buffer.data(), buffer.size() - 1);
    if (length <= 0) {
        return {};
    }
    std::string path(buffer.data(), static_cast<std::size_t>(length));
    return path.substr(0, path.rfind('/') + 1);
}

void InitProgramPaths() {
    const ProgramPaths paths = ResolveProgramPaths(ExecutableFolder(), SystemPathFacts());
    SoundDir = paths.SoundDir;
    SettingsPath = paths.SettingsPath;
    HelpPath = paths.HelpPath;
}
