#include "app/SingleInstanceLock.h"

#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

#include <cstdlib>

std::string SingleInstanceLock::LockPath(const std::string& name) {
    if (const char* runtime = std::getenv("XDG_RUNTIME_DIR"); runtime != nullptr && *runtime != 0) {
        return std::string(runtime) + "/" + name + ".lock";
    }
    // The temp folder is shared by every user: the user id keeps one user's lock from
    // another's.
    const char* tmp = std::getenv("TMPDIR");
    const std::string folder = tmp != nullptr && *tmp != 0 ? tmp : "/tmp";
    return folder + "/" + name + "-" + std::to_string(getuid()) + ".lock";
}

SingleInstanceLock::SingleInstanceLock(const std::string& name) {
    const std::string path = LockPath(name);
    fd_ = open(path.c_str(), O_RDWR | O_CREAT | O_CLOEXEC, 0600);
    if (fd_ >= 0 && flock(fd_, LOCK_EX | LOCK_NB) != 0) {
        close(fd_);
        fd_ = -1;
    }
}

SingleInstanceLock::~SingleInstanceLock() {
    if (fd_ >= 0) {
        close(fd_);  // closing the only descriptor releases the lock
    }
}
