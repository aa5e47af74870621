#include "qt/process/ComeForwardSocket.h"

#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <unistd.h>

#include <QSocketNotifier>
#include <array>
#include <cerrno>
#include <cstring>
#include <string_view>

namespace {

constexpr std::string_view Word = "come forward";
// A token is a short text; anything longer is not a word of ours.
constexpr std::size_t LongestMessage = 1024;

bool MakeAddress(const std::string& path, sockaddr_un& address) {
    address = {};
    address.sun_family = AF_UNIX;
    if (path.empty() || path.size() >= sizeof(address.sun_path)) {
        return false;
    }
    std::memcpy(address.sun_path, path.c_str(), path.size() + 1);
    return true;
}

// A socket of this user's, reached without a link.
bool IsOwnSocket(const std::string& path) {
    struct stat info {};
    return lstat(path.c_str(), &info) == 0 && S_ISSOCK(info.st_mode) && info.st_uid == geteuid();
}

}  // namespace

std::string ComeForwardSocket::PathBeside(const std::string& lockPath) {
    constexpr std::string_view LockEnding = ".lock";
    const std::string base = lockPath.ends_with(LockEnding)
                                 ? lockPath.substr(0, lockPath.size() - LockEnding.size())
                                 : lockPath;
    return base + ".socket";
}

void ComeForwardSocket::Ask(const std::string& path, const std::string& token) {
    sockaddr_un address{};
    if (!MakeAddress(path, address) || !IsOwnSocket(path)) {
        return;
    }
    const int fd = socket(AF_UNIX, SOCK_DGRAM | SOCK_CLOEXEC, 0);
    if (fd < 0) {
        return;
    }
    std::string message(Word);
    if (!token.empty() && token.size() < LongestMessage - message.size() - 1) {
        message += ' ' + token;
    }
    // A copy too busy to read its socket is not waited for.
    sendto(fd, message.data(), message.size(), MSG_DONTWAIT | MSG_NOSIGNAL,
           reinterpret_cast<const sockaddr*>(&address), sizeof(address));
    close(fd);
}

ComeForwardSocket::ComeForwardSocket(const std::string& path,
                                     std::function<void(const std::string&)> asked)
    : path_(path), asked_(std::move(asked)) {
    sockaddr_un address{};
    if (!MakeAddress(path_, address)) {
        return;
    }
    const int fd = socket(AF_UNIX, SOCK_DGRAM | SOCK_NONBLOCK | SOCK_CLOEXEC, 0);
    if (fd < 0) {
        return;
    }
    // The lock is ours, so a socket found here is one a copy that ended left behind.
    if (IsOwnSocket(path_)) {
        unlink(path_.c_str());
    }
    if (bind(fd, reinterpret_cast<const sockaddr*>(&address), sizeof(address)) != 0) {
        close(fd);
        return;
    }
    // The folder is the user's own already; the socket is too, for a folder shared by mistake.
    chmod(path_.c_str(), 0600);
    fd_ = fd;
    notifier_ = std::make_unique<QSocketNotifier>(fd_, QSocketNotifier::Read);
    QObject::connect(notifier_.get(), &QSocketNotifier::activated, [this] { Receive(); });
}

ComeForwardSocket::~ComeForwardSocket() {
    if (fd_ < 0) {
        return;
    }
    notifier_.reset();
    close(fd_);
    unlink(path_.c_str());
}

void ComeForwardSocket::Receive() {
    std::array<char, LongestMessage> buffer{};
    for (;;) {
        const ssize_t got = recv(fd_, buffer.data(), buffer.size(), 0);
        if (got < 0) {
            return;  // nothing more waiting (or an error: the next word may still come)
        }
        const std::string_view message(buffer.data(), static_cast<std::size_t>(got));
        if (message == Word) {
            asked_({});
        } else if (message.starts_with(Word) && message.size() > Word.size() &&
                   message[Word.size()] == ' ') {
            asked_(std::string(message.substr(Word.size() + 1)));
        }
    }
}
