#include "qt/process/SingleInstanceLock.h"

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QtGlobal>

#include <cerrno>
#include <cstdlib>
#include <cstring>

#include "qt/desktop/TerminalText.h"
#include "qt/process/ComeForwardSocket.h"

namespace {

bool IsAbsolute(const std::string& path) {
    return !path.empty() && path.front() == '/';
}

std::string Variable(const char* name) {
    const char* value = std::getenv(name);
    return value != nullptr ? value : "";
}

std::string ErrnoText(int error) {
    return std::strerror(error);
}

std::string Said(const char* text) {
    return TerminalText("SingleInstanceLock", text);
}

// Why the opened lock file may not serve as the user's lock, or "" when it may.
std::string Unfit(int fd) {
    struct stat info {};
    if (fstat(fd, &info) != 0) {
        return ErrnoText(errno);
    }
    if (!S_ISREG(info.st_mode)) {
        return Said(QT_TRANSLATE_NOOP("SingleInstanceLock", "it is not a regular file"));
    }
    if (info.st_uid != geteuid()) {
        return Said(QT_TRANSLATE_NOOP("SingleInstanceLock", "the file belongs to another user"));
    }
    return {};
}

}  // namespace

SingleInstanceLock::SingleInstanceLock(const std::string& name)
    : SingleInstanceLock(name, Variable("XDG_RUNTIME_DIR"), Variable("TMPDIR")) {}

SingleInstanceLock::SingleInstanceLock(const std::string& name, const std::string& runtimeDir,
                                       const std::string& tempDir) {
    const std::string folder = Folder(runtimeDir, tempDir);
    if (folder.empty()) {
        return;
    }
    path_ = folder + "/" + name + ".lock";
    Take();
}

SingleInstanceLock::~SingleInstanceLock() {
    if (fd_ >= 0) {
        close(fd_);  // closing the only descriptor releases the lock
    }
}

InstanceLock::Holder SingleInstanceLock::HeldBy() const {
    if (IsHeld()) {
        return Holder::ThisCopy;
    }
    // Held by another copy is the one failure that leaves no problem to tell.
    return problem_.empty() ? Holder::AnotherCopy : Holder::Nobody;
}

void SingleInstanceLock::AskHolderForward() const {
    ComeForwardSocket::Ask(ComeForwardSocket::PathBeside(path_), Variable("XDG_ACTIVATION_TOKEN"));
}

void SingleInstanceLock::Fail(const std::string& path, const std::string& why) {
    problem_ =
        TerminalText("SingleInstanceLock",
                     QT_TRANSLATE_NOOP("SingleInstanceLock",
                                       "lumabels: cannot take the single-instance lock %1: %2"),
                     {path, why}) +
        "\n";
}

std::string SingleInstanceLock::Folder(const std::string& runtimeDir, const std::string& tempDir) {
    // A relative path would name a different folder from every current folder, so two copies
    // started in two places would both run.
    if (IsAbsolute(runtimeDir)) {
        return runtimeDir;
    }
    // The temp folder is everyone's: another user could make files there under any name, so
    // the lock goes into a folder of this user's own.
    const std::string base = IsAbsolute(tempDir) ? tempDir : "/tmp";
    const std::string folder = base + "/Lumabels-" + std::to_string(geteuid());
    if (mkdir(folder.c_str(), 0700) != 0 && errno != EEXIST) {
        Fail(folder, ErrnoText(errno));
        return {};
    }
    struct stat info {};
    if (lstat(folder.c_str(), &info) != 0) {
        Fail(folder, ErrnoText(errno));
        return {};
    }
    if (S_ISLNK(info.st_mode)) {
        Fail(folder, Said(QT_TRANSLATE_NOOP("SingleInstanceLock",
                                            "it is a symbolic link, not a folder of this user's")));
        return {};
    }
    if (!S_ISDIR(info.st_mode)) {
        Fail(folder, Said(QT_TRANSLATE_NOOP("SingleInstanceLock", "it is not a folder")));
        return {};
    }
    if (info.st_uid != geteuid()) {
        Fail(folder,
             Said(QT_TRANSLATE_NOOP("SingleInstanceLock", "the folder belongs to another user")));
        return {};
    }
    return folder;
}

void SingleInstanceLock::Take() {
    const int fd =
        open(path_.c_str(), O_RDWR | O_CREAT | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC, 0600);
    if (fd < 0) {
        Fail(path_, errno == ELOOP
                        ? Said(QT_TRANSLATE_NOOP("SingleInstanceLock", "it is a symbolic link"))
                        : ErrnoText(errno));
        return;
    }
    std::string wrong = Unfit(fd);
    if (wrong.empty() && flock(fd, LOCK_EX | LOCK_NB) == 0) {
        fd_ = fd;
        return;
    }
    // Held by another copy: the one failure that says nothing.
    if (wrong.empty() && errno != EWOULDBLOCK) {
        wrong = ErrnoText(errno);
    }
    close(fd);
    if (!wrong.empty()) {
        Fail(path_, wrong);
    }
}
