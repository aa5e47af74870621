#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "qt/sound/DeviceSampleRate.h"

// Canonical RIFF/WAVE images, written by hand: the note generator writes the game's notes
// with them, and the tests and benchmarks make exactly the note, or the damage, they need.

// Little-endian signed 16-bit samples, the byte layout of a wave file's data chunk.
std::string Pcm16(const std::vector<std::int16_t>& samples);

// A canonical image: the RIFF header, a 16-byte integer-PCM fmt chunk, then a data chunk
// holding `data` as it stands. By default at the device's rate, which the player takes as it is.
std::string WaveImage(const std::string& data, std::uint16_t bitsPerSample = 16,
                      std::uint32_t sampleRate = DeviceSampleRate, std::uint16_t channels = 1);
