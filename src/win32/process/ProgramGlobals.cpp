#include "win32/process/ProgramGlobals.h"

const std::wstring TitleText = L"Lumabels";
std::string SoundDir;
std::string SettingsPath;
std::string HelpPath;
std::string SettingsFallbackPath;
std::unique_ptr<AppPattern> World;
std::unique_ptr<AppSound> NotePlayer;
std::uint32_t LastTickTime = 0;
