#include "settings/AtomicFile.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <climits>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <memory>
#include <string_view>

namespace {

constexpr std::string_view TemporaryPrefix = ".settings-";

// A symbolic link stays a link: the file it points to is the one replaced.
std::string ResolvedTarget(const std::string& path) {
    const std::unique_ptr<char, decltype(&std::free)> resolved(realpath(path.c_str(), nullptr),
                                                               &std::free);
    return resolved ? std::string(resolved.get()) : path;
}

std::string FolderOf(const std::string& path) {
    const auto slash = path.rfind('/');
    if (slash == std::string::npos) {
        return ".";
    }
    return slash == 0 ? "/" : path.substr(0, slash);
}

mode_t NewFileMode() {
    const mode_t mask = umask(0);
    umask(mask);
    return 0666 & ~mask;
}

bool WriteAll(FileCalls& calls, int fd, const std::string& contents) {
    std::size_t done = 0;
    while (done < contents.size()) {
        const ssize_t written = calls.Write(fd, contents.data() + done, contents.size() - done);
        if (written < 0 && errno == EINTR) {
            continue;
        }
        if (written <= 0) {
            return false;
        }
        done += static_cast<std::size_t>(written);
    }
    return true;
}

// Once the rename is done the new file is in place; flushing the folder makes the rename
// itself survive a power cut. Failing here loses nothing, so it is not reported.
void SyncFolder(const std::string& folder) {
    const int fd = open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd >= 0) {
        fsync(fd);
        close(fd);
    }
}

// A save cut short by a kill, between making its temporary file and renaming it, leaves that
// file behind. Only one copy of the game runs, so any such file is a leftover.
void RemoveLeftovers(const std::string& folder) {
    std::error_code error;
    for (const auto& entry : std::filesystem::directory_iterator(folder, error)) {
        const std::string name = entry.path().filename().string();
        if (name.size() == TemporaryPrefix.size() + 6 && name.starts_with(TemporaryPrefix) &&
            entry.is_regular_file(error)) {
            std::filesystem::remove(entry.path(), error);
        }
    }
}

}  // namespace

std::optional<std::string> ReadWholeFile(const std::string& path) {
    struct stat info {};
    if (stat(path.c_str(), &info) != 0 || !S_ISREG(info.st_mode)) {
        return std::nullopt;
    }
    std::ifstream in(path, std::ios::binary);
    if (!in) {
        return std::nullopt;
    }
    std::string bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    if (in.bad()) {
        return std::nullopt;
    }
    return bytes;
}

bool ReplaceFileAtomically(const std::string& path, const std::string& contents, FileCalls& calls) {
    const std::string target = ResolvedTarget(path);
    mode_t mode = NewFileMode();
    struct stat info {};
    if (stat(target.c_str(), &info) == 0) {
        if (!S_ISREG(info.st_mode) || access(target.c_str(), W_OK) != 0) {
            return false;
        }
        mode = info.st_mode & 07777;
    }
    const std::string folder = FolderOf(target);
    RemoveLeftovers(folder);
    std::string temporary = folder + "/" + std::string(TemporaryPrefix) + "XXXXXX";
    const int fd = calls.MakeTemporary(temporary);
    if (fd < 0) {
        return false;
    }
    bool ok =
        calls.ChangeMode(fd, mode) == 0 && WriteAll(calls, fd, contents) && calls.Sync(fd) == 0;
    ok = calls.Close(fd) == 0 && ok;
    ok = ok && calls.Rename(temporary, target) == 0;
    if (!ok) {
        calls.Unlink(temporary);
        return false;
    }
    SyncFolder(folder);
    return true;
}
