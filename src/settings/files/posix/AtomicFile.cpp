#include "settings/files/SystemAtomicFile.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <memory>
#include <optional>
#include <string_view>

#include "settings/files/FileProblems.h"
#include "settings/files/ReadToLimit.h"
#include "settings/files/posix/FileCalls.h"
#include "settings/files/posix/FileFacts.h"
#include "settings/files/posix/UserIds.h"

namespace {

constexpr std::string_view TemporaryPrefix = ".settings-";

std::string ErrnoText(int error) {
    return std::strerror(error);
}

std::string FolderOf(const std::string& path) {
    const auto slash = path.rfind('/');
    if (slash == std::string::npos) {
        return ".";
    }
    return slash == 0 ? "/" : path.substr(0, slash);
}

// Closes the descriptor however the read ends.
class ReadDescriptor {
  public:
    ReadDescriptor(FileCalls& calls, int fd) : calls_(calls), fd_(fd) {}
    ReadDescriptor(const ReadDescriptor&) = delete;
    ReadDescriptor& operator=(const ReadDescriptor&) = delete;
    ~ReadDescriptor() {
        if (fd_ >= 0) {
            calls_.Close(fd_);
        }
    }
    int Get() const { return fd_; }

  private:
    FileCalls& calls_;
    int fd_;
};

bool WriteAll(FileCalls& calls, int fd, const std::string& contents) {
    std::size_t done = 0;
    while (done < contents.size()) {
        const ssize_t written = calls.Write(fd, contents.data() + done, contents.size() - done);
        if (written < 0 && errno == EINTR) {
            continue;
        }
        if (written <= 0) {
            if (written == 0) {
                errno = ENOSPC;
            }
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
// file behind. Only one copy of the game runs per user, so such a file of this user's is a
// leftover; anyone else's is not ours to remove.
void RemoveLeftovers(const std::string& folder, const UserIds& user) {
    std::error_code error;
    for (const auto& entry : std::filesystem::directory_iterator(folder, error)) {
        const std::string name = entry.path().filename().string();
        if (name.size() != TemporaryPrefix.size() + 6 || !name.starts_with(TemporaryPrefix)) {
            continue;
        }
        const auto facts = FileFacts::OfEntry(entry.path().string());
        if (facts && facts->Type == FileFacts::Kind::Regular && facts->Owner == user.Uid) {
            std::filesystem::remove(entry.path(), error);
        }
    }
}

// Where a save to `path` really writes, and what is there now; or why it may not.
struct SaveTarget {
    std::string Path;
    std::optional<FileFacts> Existing;
    std::string Problem;
};

SaveTarget Refuse(std::string why) {
    SaveTarget target;
    target.Problem = std::move(why);
    return target;
}

SaveTarget ThroughLink(const std::string& path, const FileFacts& link, const UserIds& user) {
    if (link.Owner != user.Uid) {
        return Refuse("a symbolic link of another user's, so not followed");
    }
    const auto facts = FileFacts::OfTarget(path);
    if (!facts) {
        return Refuse(errno == ELOOP ? "a symbolic link that loops, so left as it is"
                                     : "a symbolic link that leads nowhere, so left as it is");
    }
    if (facts->Owner != user.Uid) {
        return Refuse("a symbolic link to another user's file, so not followed");
    }
    const std::unique_ptr<char, decltype(&std::free)> resolved(realpath(path.c_str(), nullptr),
                                                               &std::free);
    if (!resolved) {
        return Refuse(ErrnoText(errno));
    }
    return SaveTarget{resolved.get(), facts, {}};
}

SaveTarget FindTarget(const std::string& path, const UserIds& user) {
    const auto entry = FileFacts::OfEntry(path);
    if (!entry) {
        return errno == ENOENT ? SaveTarget{path, std::nullopt, {}} : Refuse(ErrnoText(errno));
    }
    SaveTarget target = entry->Type == FileFacts::Kind::Link ? ThroughLink(path, *entry, user)
                                                             : SaveTarget{path, entry, {}};
    if (!target.Problem.empty()) {
        return target;
    }
    const FileFacts& existing = *target.Existing;
    if (existing.Type != FileFacts::Kind::Regular) {
        return Refuse(FileProblems::NotRegular);
    }
    if (!existing.MayWrite(user)) {
        return Refuse(FileProblems::ReadOnly);
    }
    if (!existing.MayReplace(user)) {
        return Refuse("the file belongs to another user, so left as it is");
    }
    return target;
}

// Fills the temporary file and puts it in place of the target.
WriteOutcome WriteAndRename(const SaveTarget& target, const std::string& contents,
                            FileCalls& calls) {
    const std::string folder = FolderOf(target.Path);
    std::string temporary = folder + "/" + std::string(TemporaryPrefix) + "XXXXXX";
    const int fd = calls.MakeTemporary(temporary);
    if (fd < 0) {
        return WriteOutcome::Refused(ErrnoText(errno));
    }
    int error = 0;
    const auto step = [&error](bool ok) {
        if (!ok && error == 0) {
            error = errno != 0 ? errno : EIO;
        }
        return ok;
    };
    errno = 0;
    // A new file keeps the mode it was made with; a replacement takes the old file's owner
    // first, as changing the owner clears the set-id bits that the mode then puts back.
    const auto& existing = target.Existing;
    bool ok = !existing || (step(calls.ChangeOwner(fd, existing->Owner, existing->Group) == 0) &&
                            step(calls.ChangeMode(fd, existing->Mode) == 0));
    ok = ok && step(WriteAll(calls, fd, contents)) && step(calls.Sync(fd) == 0);
    ok = step(calls.Close(fd) == 0) && ok;
    ok = ok && step(calls.Rename(temporary, target.Path) == 0);
    if (!ok) {
        calls.Unlink(temporary);
        return WriteOutcome::Refused(ErrnoText(error));
    }
    SyncFolder(folder);
    return WriteOutcome::Written();
}

}  // namespace

WriteOutcome SystemReplaceFile(const std::string& path, const std::string& contents,
                               FileCalls& calls) {
    const UserIds user = UserIds::Current();
    const SaveTarget target = FindTarget(path, user);
    if (!target.Problem.empty()) {
        return WriteOutcome::Refused(target.Problem);
    }
    const std::string folder = FolderOf(target.Path);
    const auto folderFacts = FileFacts::OfTarget(folder);
    if (!folderFacts) {
        return WriteOutcome::Refused(ErrnoText(errno));
    }
    if (!folderFacts->MayCreateIn(user)) {
        return WriteOutcome::Refused("its folder is read-only");
    }
    // Leftovers are looked for beside the settings file only: through a link into another
    // folder, that folder's files are none of this save's business.
    RemoveLeftovers(FolderOf(path), user);
    return WriteAndRename(target, contents, calls);
}

FileText SystemReadWholeFile(const std::string& path, std::size_t maxBytes, FileCalls& calls) {
    const ReadDescriptor fd(calls, calls.OpenForReading(path));
    if (fd.Get() < 0) {
        if (errno == ENOENT) {
            return FileText{};
        }
        return FileText::Unusable(ErrnoText(errno));
    }
    struct stat info {};
    if (fstat(fd.Get(), &info) != 0) {
        return FileText::Unusable(ErrnoText(errno));
    }
    if (!S_ISREG(info.st_mode)) {
        return FileText::Unusable(FileProblems::NotRegular);
    }
    if (info.st_size < 0) {
        return FileText::Unusable(FileProblems::NotRegular);
    }
    const ReadChunk read = [&](char* place, std::size_t count) -> std::optional<std::size_t> {
        while (true) {
            const ssize_t n = calls.Read(fd.Get(), place, count);
            if (n >= 0) {
                return static_cast<std::size_t>(n);
            }
            if (errno != EINTR) {
                return std::nullopt;
            }
        }
    };
    return ReadToLimit(static_cast<std::size_t>(info.st_size), maxBytes, read,
                       [] { return ErrnoText(errno); });
}
