#pragma once

#include <initializer_list>
#include <string>
#include <string_view>

class GameTranslations;

// Texts for the terminal, in the player's language. They are needed before the application
// object exists (the command line) or while it cannot come up (no display), when tr() cannot
// translate yet. Mark each text with QT_TRANSLATE_NOOP(context, text) for the translators.

// The translations in use from now on; null for the program's own English texts.
void UseTerminalTranslations(const GameTranslations* translations);

// The text translated, in UTF-8.
std::string TerminalText(const char* context, const char* text);

// The same with %1, %2, ... replaced by `values` in one pass, so a value that holds "%2" stays
// as it is. The values go in byte for byte: a path need not be valid UTF-8.
std::string TerminalText(const char* context, const char* text,
                         std::initializer_list<std::string_view> values);

// The language in use as its translation file names it ("de", "pt_BR"); empty for English.
std::string PlayerLanguage();
