#pragma once

#include <cstdint>

// 0 means no note; 1 to 7 name the seven note sounds; any other value counts as 0.
using NoteNumber = std::int8_t;

inline constexpr NoteNumber NoNote = 0;
inline constexpr NoteNumber LowestNote = 1;
inline constexpr NoteNumber HighestNote = 7;
inline constexpr int NoteCount = 7;

constexpr bool IsPlayableNote(NoteNumber note) {
    return note >= LowestNote && note <= HighestNote;
}
