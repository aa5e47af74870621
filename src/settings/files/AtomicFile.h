#pragma once

#include <cstddef>
#include <string>

#include "settings/files/FileCalls.h"
#include "settings/files/FileText.h"
#include "settings/files/WriteOutcome.h"

// Paths are UTF-8 text on every system; files are read and written as bytes, line ends and all.

// The whole of a regular file of at most maxBytes. Anything else (missing, a folder, a FIFO,
// a device, a larger file) is not read, and nothing ever waits for a writer.
FileText ReadWholeFile(const std::string& path, std::size_t maxBytes,
                       FileCalls& calls = SystemFileCalls());

// Writes the new contents to a temporary file in the same folder, flushes it to disk and puts
// it in place of `path`, so a full disk, a crash or a kill at any moment leaves either the old
// file or the new one, never a mix. A file marked read-only, or in a folder where no file can be
// made, is left alone. Refused, with the reason, when anything failed; the old file is then
// untouched. What else each system's save keeps (the owner and mode bits, links, the file's
// attributes) is told where it is written, in posix/ and windows/.
WriteOutcome ReplaceFileAtomically(const std::string& path, const std::string& contents,
                                   FileCalls& calls = SystemFileCalls());
