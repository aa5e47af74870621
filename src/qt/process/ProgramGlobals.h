#pragma once

#include <cstdint>
#include <memory>
#include <string>

#include "engine/AppPattern.h"
#include "qt/sound/AppSound.h"

// Set up once before any window exists, released when the process ends.
extern const std::string TitleText;
extern std::string SoundDir;      // usually the executable's folder + "sound/"
extern std::string SettingsPath;  // beside the executable or in the user's config (ProgramPaths)
extern std::string HelpPath;      // usually the executable's folder + "help/index.html"
// Read instead of SettingsPath while that does not exist yet; may be empty.
extern std::string SettingsFallbackPath;

// The world and the note player: made and destroyed by the main window.
extern std::unique_ptr<AppPattern> World;
extern std::unique_ptr<AppSound> NotePlayer;

// Tick-counter reading at which the last pacing wait ended.
extern std::uint32_t LastTickTime;

// Fills the three paths from the running executable's folder (see ProgramPaths).
void InitProgramPaths();
