#pragma once

// The rate the sound device is opened at, and the rate the build writes the game's notes in,
// so that they play straight from their files. 48 kHz is what a PipeWire graph runs at: there
// a 512-frame buffer is exactly one cycle of the graph, the device is asked for more once a
// cycle, and a note clicked mid-game waits at most one buffer (10.7 ms). At 44.1 kHz the same
// buffer outlasts a cycle, some cycles find it still full, and the wait doubles. Elsewhere the
// server or SDL converts, as it would any rate. No SDL here: the note generator, which has
// none, takes its rate from this too.
inline constexpr int DeviceSampleRate = 48000;
