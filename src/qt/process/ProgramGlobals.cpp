#include "qt/process/ProgramGlobals.h"

#include "qt/desktop/ExecutableFolder.h"
#include "qt/desktop/ProgramPaths.h"

const std::string TitleText = "Lumabels";
std::string SoundDir;
std::string SettingsPath;
std::string SettingsFallbackPath;
std::string HelpPath;
std::unique_ptr<AppPattern> World;
std::unique_ptr<AppSound> NotePlayer;
std::uint32_t LastTickTime = 0;

void InitProgramPaths() {
    const ProgramPaths paths = ResolveProgramPaths(ExecutableFolder(), SystemPathFacts());
    SoundDir = paths.SoundDir;
    SettingsPath = paths.SettingsPath;
    SettingsFallbackPath = paths.SettingsFallbackPath;
    HelpPath = paths.HelpPath;
}
