#include "settings/files/IsMissing.h"

#include <cerrno>

#include "settings/files/posix/FileFacts.h"

bool IsMissing(const std::string& path) {
    return !FileFacts::OfEntry(path) && errno == ENOENT;
}
