#include "shell/ProgramGlobals.h"

const std::string TitleText = "Lumabels";
std::string SoundDir;
std::string SettingsPath;
std::string HelpPath;
std::string SettingsFallbackPath;
