#include "process/ExitCodeAtLock.h"

namespace {

constexpr int NotTheOnlyCopy = 1;

}  // namespace

std::optional<int> ExitCodeAtLock(const InstanceLock& lock) {
    switch (lock.HeldBy()) {
        case InstanceLock::Holder::ThisCopy:
            return std::nullopt;
        case InstanceLock::Holder::AnotherCopy:
            lock.AskHolderForward();
            break;
        case InstanceLock::Holder::Nobody:
            break;
    }
    return NotTheOnlyCopy;
}
