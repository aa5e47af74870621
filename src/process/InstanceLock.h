#pragma once

// The lock that lets one copy of the game run at a time, as the start-up of either edition
// sees it. Each edition takes it its own way (a file lock, a named mutex) when the lock is
// made, and holds it until the lock goes.
class InstanceLock {
  public:
    enum class Holder {
        ThisCopy,
        AnotherCopy,
        Nobody,  // it could not be taken, and no copy is known to hold it
    };

    virtual ~InstanceLock() = default;
    virtual Holder HeldBy() const = 0;
    // Asks the copy that holds the lock to bring its window to the front; nothing is waited
    // for, and a copy that cannot be reached is left alone.
    virtual void AskHolderForward() const = 0;
};
