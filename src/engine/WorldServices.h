#pragma once

class AppPlayOptions;
class NoteOutput;
class RandomSource;
class TickCounter;

// What the world needs from outside. The game passes the program-wide objects; tests pass
// their own clock, random source, notes and options.
struct WorldServices {
    const AppPlayOptions& Options;  // read afresh at each use, never cached
    NoteOutput& Notes;
    RandomSource& Random;
    const TickCounter& Ticks;
};
