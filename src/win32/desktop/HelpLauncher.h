#pragma once

#include <windows.h>

#include <string>

// The help page in the player's language, help\<language>\index.html beside the English
// help\index.html, when the game ships one; else the English page. englishPage is UTF-8.
std::wstring HelpPageFor(const std::string& englishPage, const std::wstring& language);

// Asks the shell to open the document in its program (the browser for a page); false when
// the shell says it could not.
bool OpenDocument(HWND owner, const std::wstring& path);
