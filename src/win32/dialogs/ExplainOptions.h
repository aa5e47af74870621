#pragma once

#include <windows.h>

#include <string>

#include "desktop/OptionExplanations.h"

// An explanation in the player's language, its numbers written in.
std::wstring ExplanationText(const OptionExplanation& explanation);

// Gives each control of the Options dialog, and the label that names it, a tooltip that says
// what the option does, and for a number its range and what a text that is no number counts as.
// The tooltips go with the dialog's window.
void ExplainOptions(HWND dialog);
