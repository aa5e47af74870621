#pragma once

#include <string>

#include "shell/GameText.h"

// The player's language, as each edition knows it: its own translation files behind one door.
class Translator {
  public:
    virtual ~Translator() = default;
    // The text in the player's language (UTF-8), or its English source when there is none.
    virtual std::string Translate(const GameText& text) const = 0;
    // A text with a count: the plural form the language picks for it, with "%n" written as the
    // count. A negative count takes the first form and leaves "%n" in place.
    virtual std::string TranslateCount(const GameText& text, int count) const = 0;
    // What separates whole seconds from their fractions in the player's language.
    virtual std::string DecimalPoint() const = 0;
};
