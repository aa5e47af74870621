#pragma once

#include <memory>

#include "shell/ProgramGlobals.h"
#include "win32/sound/AppSound.h"

// The note player: made and destroyed by the main window.
extern std::unique_ptr<AppSound> NotePlayer;
