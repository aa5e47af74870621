#pragma once

#include "qt/sound/SoundDevice.h"

// Holds the device's callback off for as long as it lives, so that the voice it reads can
// change under it; given back on every way out of the scope.
class DeviceLock {
  public:
    explicit DeviceLock(const SoundDevice& device) : device_(device) { device_.Lock(); }
    DeviceLock(const DeviceLock&) = delete;
    DeviceLock& operator=(const DeviceLock&) = delete;
    ~DeviceLock() { device_.Unlock(); }

  private:
    const SoundDevice& device_;
};
