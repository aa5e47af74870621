#pragma once

#include <string>

#include "process/InstanceLock.h"

// A per-user lock that only one running copy of the game can hold. The kernel drops it when
// the process ends in any way, so a crash never blocks the next start.
//
// It lives in $XDG_RUNTIME_DIR when that is an absolute path, else in a private folder of the
// user's in the temp folder ($TMPDIR when absolute, else /tmp), made if need be and used only
// when it is a real folder of theirs. The lock file itself is never reached through a link and
// must be the user's own. The running copy listens beside it (ComeForwardSocket) for a second
// start's word to come forward.
class SingleInstanceLock final : public InstanceLock {
  public:
    // Takes the lock named `name` in the place this process's environment gives.
    explicit SingleInstanceLock(const std::string& name);
    // The same with the values of XDG_RUNTIME_DIR and TMPDIR given ("" when unset).
    SingleInstanceLock(const std::string& name, const std::string& runtimeDir,
                       const std::string& tempDir);
    SingleInstanceLock(const SingleInstanceLock&) = delete;
    SingleInstanceLock& operator=(const SingleInstanceLock&) = delete;
    ~SingleInstanceLock() override;

    bool IsHeld() const { return fd_ >= 0; }
    // Not held, and not because another copy holds it: one line that names the lock's path
    // and the reason, ending in a line feed. Empty otherwise.
    const std::string& Problem() const { return problem_; }
    const std::string& Path() const { return path_; }

    Holder HeldBy() const override;
    // Sends the word on the holder's socket, with the activation token the desktop gave this
    // start, so that the running copy may take the focus with it.
    void AskHolderForward() const override;

  private:
    // The folder for the lock, or "" with problem_ set.
    std::string Folder(const std::string& runtimeDir, const std::string& tempDir);
    void Take();
    void Fail(const std::string& path, const std::string& why);

    int fd_ = -1;
    std::string path_;
    std::string problem_;
};
