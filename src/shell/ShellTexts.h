#pragma once

#include <initializer_list>
#include <string>
#include <string_view>

#include "shell/ShellPort.h"

class World;
class Translator;

// The pattern with %1, %2, ... replaced by the values in one pass, so a value that holds "%2"
// stays as it is.
std::string FillText(std::string_view pattern, std::initializer_list<std::string_view> values);

// The heading of the results screen is the player's own text, with one exception: the default,
// "Results", which the settings file holds when the player never chose a heading. That one is
// shown in the player's language, and a heading typed as the translated word is stored as the
// default again, so the file never holds a translation that would stay behind when the
// language changes.
std::string ShownHeading(const std::string& stored, const Translator& translator);
std::string StoredHeading(const std::string& shown, const Translator& translator);

// The one line that tells the player a save of the settings at `path` failed, and why.
std::string NotSavedLine(const std::string& path, const std::string& problem,
                         const Translator& translator);

// The five lines of the results block for the world's last game and record.
ResultTexts ResultTextsOf(const World& world, const AppPlayOptions& options,
                          const Translator& translator);
