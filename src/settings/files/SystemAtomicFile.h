#pragma once

#include <cstddef>
#include <string>

#include "settings/files/FileCalls.h"
#include "settings/files/FileText.h"
#include "settings/files/WriteOutcome.h"

// ReadWholeFile and ReplaceFileAtomically as each system's file code does them
// (posix/AtomicFile.cpp, windows/AtomicFile.cpp), free to throw: AtomicFile.cpp keeps every
// exception inside.
FileText SystemReadWholeFile(const std::string& path, std::size_t maxBytes, FileCalls& calls);
WriteOutcome SystemReplaceFile(const std::string& path, const std::string& contents,
                               FileCalls& calls);
