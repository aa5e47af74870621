#pragma once

#include <cstddef>
#include <functional>
#include <optional>
#include <string>

#include "settings/files/FileText.h"

// Fills at most `count` bytes at `place`: how many it read, 0 at the end, nothing on failure.
using ReadChunk = std::function<std::optional<std::size_t>(char* place, std::size_t count)>;

// The whole text of an open file that its system says holds `size` bytes, read chunk by chunk
// through `read`; a file larger than maxBytes, or grown past it meanwhile, is too big. When a
// read fails, `problem` says why.
FileText ReadToLimit(std::size_t size, std::size_t maxBytes, const ReadChunk& read,
                     const std::function<std::string()>& problem);
