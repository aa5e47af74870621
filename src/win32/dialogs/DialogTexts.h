#pragma once

#include <windows.h>

#include <string>

// Puts a dialog's caption and its controls' texts into the player's language; the template
// holds the English texts, which are the translations' sources in `context`.
void TranslateDialogTexts(HWND dialog, const wchar_t* context);

// The text of a dialog control, and its replacement.
std::wstring ControlText(HWND dialog, int id);
void SetControlText(HWND dialog, int id, const std::wstring& text);
