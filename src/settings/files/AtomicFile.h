#pragma once

#include <cstddef>
#include <string>

#include "settings/files/FileCalls.h"
#include "settings/files/FileText.h"
#include "settings/files/WriteOutcome.h"

// The whole of a regular file of at most maxBytes. Anything else (missing, a folder, a FIFO,
// a device, a larger file) is not read, and nothing ever waits for a writer.
FileText ReadWholeFile(const std::string& path, std::size_t maxBytes,
                       FileCalls& calls = SystemFileCalls());

// Writes the new contents to a temporary file in the same folder, flushes it to disk and
// renames it over `path`, so a full disk, a crash or a kill at any moment leaves either the
// old file or the new one, never a mix. The new file keeps the old one's owner, group and
// mode; where that cannot be, nothing is written. A symbolic link is followed only when it and
// the file it leads to are this user's; a link of anyone else's, a dangling link or a loop is
// never replaced. What the mode bits mark read-only (file or folder) is left alone, by root
// too. Refused, with the reason, when anything failed; the old file is then untouched.
WriteOutcome ReplaceFileAtomically(const std::string& path, const std::string& contents,
                                   FileCalls& calls = SystemFileCalls());
