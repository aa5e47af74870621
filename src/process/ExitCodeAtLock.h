#pragma once

#include <optional>

#include "process/InstanceLock.h"

// The start-up's decision at the lock: nothing when this copy holds it and the start goes on;
// otherwise the exit code the start ends with, 1, once a copy that holds the lock has been
// asked to come forward: a player who starts the game again wants to see the one running.
std::optional<int> ExitCodeAtLock(const InstanceLock& lock);
