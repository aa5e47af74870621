#pragma once

#include <windows.h>

// The named mutex that lets one copy of the game run at a time. Taken with initial ownership;
// any error from the creation, "already exists" above all, means another copy runs. Released
// and closed when it goes.
class SingleInstance {
  public:
    explicit SingleInstance(const wchar_t* name);
    SingleInstance(const SingleInstance&) = delete;
    SingleInstance& operator=(const SingleInstance&) = delete;
    ~SingleInstance();

    bool IsFirst() const { return first_; }

    // Brings the running copy's main window to the front, restored if it was minimised: what
    // a player who started the game again wants to see.
    static void RaiseRunningCopy(const wchar_t* windowClass);

  private:
    HANDLE mutex_ = nullptr;
    bool first_ = false;
};
