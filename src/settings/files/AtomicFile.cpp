#include "settings/files/AtomicFile.h"

#include <exception>

#include "settings/files/SystemAtomicFile.h"

// Out of memory, most likely: whatever goes wrong, a load gives no text and a save is refused,
// and the old file stays as it was.

FileText ReadWholeFile(const std::string& path, std::size_t maxBytes, FileCalls& calls) {
    try {
        return SystemReadWholeFile(path, maxBytes, calls);
    } catch (const std::exception& error) {
        return FileText::Unusable(error.what());
    } catch (...) {
        return FileText::Unusable("unknown error");
    }
}

WriteOutcome ReplaceFileAtomically(const std::string& path, const std::string& contents,
                                   FileCalls& calls) {
    try {
        return SystemReplaceFile(path, contents, calls);
    } catch (const std::exception& error) {
        return WriteOutcome::Refused(error.what());
    } catch (...) {
        return WriteOutcome::Refused("unknown error");
    }
}
