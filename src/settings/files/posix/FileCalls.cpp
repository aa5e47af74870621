#include "settings/files/posix/FileCalls.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <random>
#include <string_view>

int FileCalls::OpenForReading(const std::string& path) {
    return open(path.c_str(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
}

ssize_t FileCalls::Read(int fd, void* data, std::size_t size) {
    return read(fd, data, size);
}

int FileCalls::MakeTemporary(std::string& pathTemplate) {
    // Not mkostemp: its file is 0600 whatever the umask, and learning the umask means setting
    // it, for the whole process, for a moment. Here the kernel applies it.
    constexpr std::string_view Letters =
        "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789";
    constexpr std::string_view Blanks = "XXXXXX";
    if (!pathTemplate.ends_with(Blanks)) {
        errno = EINVAL;
        return -1;
    }
    thread_local std::minstd_rand pick(std::random_device{}());
    std::uniform_int_distribution<std::size_t> letter(0, Letters.size() - 1);
    for (int attempt = 0; attempt < 100; ++attempt) {
        for (std::size_t i = pathTemplate.size() - Blanks.size(); i < pathTemplate.size(); ++i) {
            pathTemplate[i] = Letters[letter(pick)];
        }
        const int fd = open(pathTemplate.c_str(), O_RDWR | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (fd >= 0 || errno != EEXIST) {
            return fd;
        }
    }
    return -1;
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
