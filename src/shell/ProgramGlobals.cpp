#include "shell/ProgramGlobals.h"

const std::string TitleText = "Lumabels";
std::string SoundDir;
std::string SettingsPath;
std::string HelpPath;
std::string SettingsFallbackPath;
std::unique_ptr<AppPattern> World;
std::uint32_t LastTickTime = 0;
