#include "win32/process/ProgramGlobals.h"

std::unique_ptr<AppSound> NotePlayer;
