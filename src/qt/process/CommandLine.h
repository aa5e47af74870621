#pragma once

#include <string>

// The game's own options are these two, which work without a display and without touching a
// running copy. The standard options every Qt program takes (-platform, -style, -display,
// -reverse, ...) are let through for Qt to act on.
enum class CommandLineAction { Run, Help, Version, Misuse };

CommandLineAction ParseCommandLine(int argc, const char* const* argv);

std::string HelpText();
std::string VersionText();
std::string UsageLine();
