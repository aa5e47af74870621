#pragma once

#include <cstdint>
#include <memory>
#include <string>

#include "engine/AppPattern.h"
#include "win32/sound/AppSound.h"

// Set up once before any window exists, released when the process ends. Paths are UTF-8, as
// the shared core takes them.
extern const std::wstring TitleText;
extern std::string SoundDir;      // the executable's folder + "sound\"
extern std::string SettingsPath;  // beside the executable or in %APPDATA% (ProgramPaths)
extern std::string HelpPath;      // the executable's folder + "help\index.html"
// Read instead of SettingsPath while that does not exist yet; may be empty.
extern std::string SettingsFallbackPath;

// The world and the note player: made and destroyed by the main window.
extern std::unique_ptr<AppPattern> World;
extern std::unique_ptr<AppSound> NotePlayer;

// Tick-counter reading at which the last pacing wait ended.
extern std::uint32_t LastTickTime;
