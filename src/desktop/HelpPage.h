#pragma once

#include <functional>
#include <string>

// The help page in the player's language: "help/de/index.html" beside the English
// "help/index.html" when the game ships one, else the English page.
std::string LocalizedHelpPath(const std::string& englishPage, const std::string& language,
                              const std::function<bool(const std::string&)>& exists);
