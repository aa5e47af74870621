#pragma once

#include <cstdint>

#include "engine/TickCounter.h"

class ManualTickCounter final : public TickCounter {
  public:
    std::uint32_t Now() const override { return now_; }
    void Set(std::uint32_t now) { now_ = now; }

  private:
    std::uint32_t now_ = 0;
};
