#pragma once

// A text the player reads, named as the translation files name it: its context and its English
// source. The translation tools find these texts by the macro, as they find Qt's own markers, so
// a text written once here is translated for every edition.
struct GameText {
    const char* Context;
    const char* Source;
};

#define GAME_TEXT(context, source) \
    GameText {                     \
        context, source            \
    }
// A text with a count ("%n"), which each language gives in all its plural forms.
#define GAME_COUNT_TEXT(context, source) GAME_TEXT(context, source)
