#pragma once

#include <string>

// A per-user lock that only one running copy of the game can hold. The kernel drops it when
// the process ends in any way, so a crash never blocks the next start.
class SingleInstanceLock {
  public:
    // Tries to take the lock named `name` in $XDG_RUNTIME_DIR, or in the temp folder.
    explicit SingleInstanceLock(const std::string& name);
    SingleInstanceLock(const SingleInstanceLock&) = delete;
    SingleInstanceLock& operator=(const SingleInstanceLock&) = delete;
    ~SingleInstanceLock();

    bool IsHeld() const { return fd_ >= 0; }

    static std::string LockPath(const std::string& name);

  private:
    int fd_ = -1;
};
