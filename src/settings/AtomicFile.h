#pragma once

#include <optional>
#include <string>

#include "settings/FileCalls.h"

// The whole of a regular file, or nothing when it cannot be read (missing, a folder, ...).
std::optional<std::string> ReadWholeFile(const std::string& path);

// Writes the new contents to a temporary file in the same folder, flushes it to disk and
// renames it over `path`, so a full disk, a crash or a kill at any moment leaves either the
// old file or the new one, never a mix. A read-only file or folder is left alone. False when
// anything failed; the old file is then untouched.
bool ReplaceFileAtomically(const std::string& path, const std::string& contents,
                           FileCalls& calls = SystemFileCalls());
