#pragma once

#include <chrono>
#include <string>
#include <string_view>

// Whether a local service answers at all: connects to its socket, says the first words of its
// protocol, and waits a bounded time for any reply. The libraries that talk to these services
// for Qt wait for that reply with no bound at all.
enum class ProbeResult {
    Answered,     // it replied, or hung up: talking to it will not hang
    Unreachable,  // nothing listens there: talking to it fails at once
    Silent,       // it took the connection and said nothing in time
};

// socketPath is a file system path, or an abstract socket name after a leading '@'.
ProbeResult ProbeLocalSocket(const std::string& socketPath, std::string_view greeting,
                             std::chrono::milliseconds patience);
