#pragma once

#include <memory>

#include "qt/sound/AppSound.h"
#include "shell/ProgramGlobals.h"

// The note player: made and destroyed by the main window.
extern std::unique_ptr<AppSound> NotePlayer;

// Fills the paths of the game's files from the running executable's folder (see ProgramPaths).
void InitProgramPaths();
