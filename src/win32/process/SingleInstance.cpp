#include "win32/process/SingleInstance.h"

SingleInstance::SingleInstance(const wchar_t* name) {
    SetLastError(ERROR_SUCCESS);
    mutex_ = CreateMutexW(nullptr, TRUE, name);
    first_ = mutex_ != nullptr && GetLastError() == ERROR_SUCCESS;
}

SingleInstance::~SingleInstance() {
    if (mutex_ == nullptr) {
        return;
    }
    if (first_) {
        ReleaseMutex(mutex_);
    }
    CloseHandle(mutex_);
}

void SingleInstance::RaiseRunningCopy(const wchar_t* windowClass) {
    const HWND window = FindWindowW(windowClass, nullptr);
    if (window == nullptr) {
        return;  // still starting, or closing: nothing to show yet
    }
    // A modal dialog of the running copy is what should come forward, not the window under it.
    const HWND shown = GetLastActivePopup(window);
    if (IsIconic(window)) {
        ShowWindow(window, SW_RESTORE);
    }
    // The copy just started by the player may hand the foreground on.
    SetForegroundWindow(shown != nullptr ? shown : window);
}
