#pragma once

#include <string>

// The program-wide objects every edition shares. The paths are UTF-8, set once by the edition
// before any window exists.
extern const std::string TitleText;
extern std::string SoundDir;      // the folder of note1.wav to note7.wav, with its separator
extern std::string SettingsPath;  // beside the executable or in the user's folder
extern std::string HelpPath;      // the English help page
// Read instead of SettingsPath while that does not exist yet; may be empty.
extern std::string SettingsFallbackPath;
