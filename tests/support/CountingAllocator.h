#pragma once

// Replaces the global allocator of the test program it is linked into (all of it, the
// libraries included) with one that counts the allocations made while counting is on.
namespace CountingAllocator {

void Start();
// Stops counting; the number of allocations since Start.
long Stop();

}  // namespace CountingAllocator
