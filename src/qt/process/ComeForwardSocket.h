#pragma once

#include <functional>
#include <memory>
#include <string>

class QSocketNotifier;

// A second start's word to the running copy: come forward. The running copy receives it on a
// datagram socket of the user's own beside its single-instance lock; a second start, which
// could not take the lock, sends it and ends. The word carries the activation token the
// desktop gave the second start, if any, so that the running copy may take the focus with it.
class ComeForwardSocket {
  public:
    // The socket that belongs to the lock at `lockPath`.
    static std::string PathBeside(const std::string& lockPath);
    // Sends the word, without waiting and without a word of its own: a socket that is missing,
    // not a socket or another user's is left alone.
    static void Ask(const std::string& path, const std::string& token);

    // Listens at `path`, in place of a socket a copy that ended left behind there; each word
    // received calls `asked` with its token ("" for none). Listens to nothing if the place is
    // taken by anything else.
    ComeForwardSocket(const std::string& path, std::function<void(const std::string&)> asked);
    ComeForwardSocket(const ComeForwardSocket&) = delete;
    ComeForwardSocket& operator=(const ComeForwardSocket&) = delete;
    ~ComeForwardSocket();

  private:
    friend struct ComeForwardSocketProbe;  // lets tests see whether it listens

    void Receive();

    std::string path_;
    std::function<void(const std::string&)> asked_;
    int fd_ = -1;
    std::unique_ptr<QSocketNotifier> notifier_;
};
