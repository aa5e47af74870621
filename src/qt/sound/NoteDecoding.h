#pragma once

#include <SDL.h>

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

struct SdlFunctions;

// The format every device is opened in, and so the one the notes are decoded into.
SDL_AudioSpec DeviceFormat();
// Bytes of one sample frame in that format.
std::size_t DeviceFrameBytes();

// The note in the device's format, or nothing when the image is no playable wave: damaged,
// sized by lengths the file does not hold, or longer than any note should be.
std::vector<std::uint8_t> DecodeNote(const SdlFunctions& sdl, const std::string& image);

// Where in the image `samples` lie as they stand, in its data chunk; npos when they do not
// (the file holds another format, so the samples were converted) or there are none.
std::size_t FindSamplesInImage(const std::string& image, const std::vector<std::uint8_t>& samples);
