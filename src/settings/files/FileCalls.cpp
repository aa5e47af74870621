#include "settings/files/FileCalls.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>

int FileCalls::OpenForReading(const std::string& path) {
    return open(path.c_str(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
}

ssize_t FileCalls::Read(int fd, void* data, std::size_t size) {
    return read(fd, data, size);
}

int FileCalls::MakeTemporary(std::string& pathTemplate) {
    return mkostemp(pathTemplate.data(), O_CLOEXEC);
}

int FileCalls::ChangeOwner(int fd, uid_t owner, gid_t group) {
    return fchown(fd, owner, group);
}

int FileCalls::ChangeMode(int fd, mode_t mode) {
    return fchmod(fd, mode);
}

ssize_t FileCalls::Write(int fd, const void* data, std::size_t size) {
    return write(fd, data, size);
}

int FileCalls::Sync(int fd) {
    return fsync(fd);
}

int FileCalls::Close(int fd) {
    return close(fd);
}

int FileCalls::Rename(const std::string& from, const std::string& to) {
    return std::rename(from.c_str(), to.c_str());
}

int FileCalls::Unlink(const std::string& path) {
    return unlink(path.c_str());
}

FileCalls& SystemFileCalls() {
    static FileCalls calls;
    return calls;
}
