#pragma once

#include "qt/process/ComeForwardSocket.h"

// Reads whether a socket listens; the game never needs to ask.
struct ComeForwardSocketProbe {
    static bool IsListening(const ComeForwardSocket& socket) { return socket.fd_ >= 0; }
};
