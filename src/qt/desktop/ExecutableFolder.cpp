#include "qt/desktop/ExecutableFolder.h"

#include <unistd.h>

#include <climits>
#include <vector>

std::string ExecutableFolder() {
    // The kernel gives up on a path longer than a page, but a shorter one may still be longer
    // than a first guess: the buffer grows until the whole path fits.
    std::vector<char> buffer(PATH_MAX);
    while (true) {
        const ssize_t length = readlink("/proc/self/exe", buffer.data(), buffer.size());
        if (length <= 0) {
            return {};
        }
        if (static_cast<std::size_t>(length) < buffer.size()) {
            const std::string path(buffer.data(), static_cast<std::size_t>(length));
            return path.substr(0, path.rfind('/') + 1);
        }
        buffer.resize(2 * buffer.size());
    }
}
