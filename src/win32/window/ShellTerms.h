#pragma once

#include <windows.h>

#include "shell/GameShell.h"

// Windows' words for what the game speaks of: its keys, and the look of each of its messages.
GameShell::Key ShellKey(WPARAM key);
UINT MessageBoxFlags(MessageId id);
