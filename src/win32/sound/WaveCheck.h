#pragma once

#include <string_view>

// Whether a file image is a wave the system's player can take from memory: a RIFF WAVE with a
// PCM format chunk and a data chunk that lies wholly inside the image. A damaged or truncated
// note should stay silent rather than play noise or a fragment.
bool IsPlayableWave(std::string_view image);
