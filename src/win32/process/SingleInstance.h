#pragma once

#include <windows.h>

#include "process/InstanceLock.h"

// The named mutex that lets one copy of the game run at a time. Taken with initial ownership;
// any error from the creation, "already exists" above all, means another copy runs. Released
// and closed when it goes.
class SingleInstance final : public InstanceLock {
  public:
    // `windowClass` is the class of the main window a second start brings forward.
    SingleInstance(const wchar_t* name, const wchar_t* windowClass);
    SingleInstance(const SingleInstance&) = delete;
    SingleInstance& operator=(const SingleInstance&) = delete;
    ~SingleInstance() override;

    Holder HeldBy() const override { return first_ ? Holder::ThisCopy : Holder::AnotherCopy; }
    // Brings the running copy's main window to the front, restored if it was minimised.
    void AskHolderForward() const override;

  private:
    HANDLE mutex_ = nullptr;
    bool first_ = false;
    const wchar_t* windowClass_;
};
