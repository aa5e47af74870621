#pragma once

#include <string>

// The game takes no options but these two, which work without a display and without
// touching a running copy.
enum class CommandLineAction { Run, Help, Version, Misuse };

CommandLineAction ParseCommandLine(int argc, const char* const* argv);

std::string HelpText();
std::string VersionText();
std::string UsageLine();
