#pragma once

#include <optional>
#include <string>

// The session manager and the session bus, asked before the application object is made
// whether they answer at all. Qt connects to both at start-up (the session manager in the
// application object, the bus when the window first speaks to the accessibility bridge), and
// waits for their first reply without a bound: one that takes the connection and never
// answers would keep the window from ever appearing. One that does not answer in time is
// done without, for this run: the game needs neither to be played.
void DoWithoutSilentServices();

// The local socket a SESSION_MANAGER value names ("local/host:/tmp/.ICE-unix/42", the first
// of a comma-separated list), a leading '@' for an abstract one; none for other transports.
std::optional<std::string> SessionManagerSocket(const std::string& sessionManager);
// The local socket a D-Bus address names ("unix:path=/run/user/1000/bus", the first of a
// semicolon-separated list; "abstract=" gives a name after '@'); none for other transports.
std::optional<std::string> SessionBusSocket(const std::string& address);
