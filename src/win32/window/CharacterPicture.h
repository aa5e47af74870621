#pragma once

#include "win32/window/Sprite.h"

// The character's two pictures, the PNGs of assets/images turned into pixels when the game is
// built: decoding them at start would take a picture decoder and its COM objects, which cost
// more memory and start time than the 6 kB of pixels.
enum class CharacterEyes { Open, Closed };

Sprite CharacterPicture(CharacterEyes eyes);
