#pragma once

#include <windows.h>

// Puts the menu's captions, and those of its submenus, into the player's language. The
// resource script holds the English captions, which are the translations' sources; a
// shortcut written after a tab ("\tF2") stays as it is.
void TranslateMenuTexts(HMENU menu);
