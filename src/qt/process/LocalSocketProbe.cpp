#include "qt/process/LocalSocketProbe.h"

#include <poll.h>
#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

#include <cerrno>
#include <cstddef>
#include <cstring>

namespace {

// The socket, closed on every way out.
class SocketHandle {
  public:
    SocketHandle() : fd_(::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC | SOCK_NONBLOCK, 0)) {}
    SocketHandle(const SocketHandle&) = delete;
    SocketHandle& operator=(const SocketHandle&) = delete;
    ~SocketHandle() {
        if (fd_ >= 0) {
            ::close(fd_);
        }
    }
    int Fd() const { return fd_; }

  private:
    const int fd_;
};

}  // namespace

ProbeResult ProbeLocalSocket(const std::string& socketPath, std::string_view greeting,
                             std::chrono::milliseconds patience) {
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    if (socketPath.empty() || socketPath.size() >= sizeof(address.sun_path)) {
        return ProbeResult::Unreachable;
    }
    std::memcpy(address.sun_path, socketPath.data(), socketPath.size());
    socklen_t length = static_cast<socklen_t>(offsetof(sockaddr_un, sun_path) + socketPath.size());
    if (socketPath.front() == '@') {
        address.sun_path[0] = '\0';  // an abstract name, no terminating NUL counted
    } else {
        ++length;
    }
    const SocketHandle socket;
    if (socket.Fd() < 0) {
        return ProbeResult::Unreachable;
    }
    if (::connect(socket.Fd(), reinterpret_cast<const sockaddr*>(&address), length) != 0) {
        // A full backlog: a blocking client would wait in connect for as long as the service
        // takes to accept.
        return errno == EAGAIN ? ProbeResult::Silent : ProbeResult::Unreachable;
    }
    if (::send(socket.Fd(), greeting.data(), greeting.size(), MSG_NOSIGNAL) < 0) {
        return ProbeResult::Answered;  // it hung up: the real client fails at once too
    }
    pollfd reply{socket.Fd(), POLLIN, 0};
    // Only a wait that ran out counts as silence: an interrupted one proves nothing.
    const int ready = ::poll(&reply, 1, static_cast<int>(patience.count()));
    return ready == 0 ? ProbeResult::Silent : ProbeResult::Answered;
}
