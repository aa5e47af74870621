#pragma once

#include <string>

// The game's own options are --help and --version. They are answered before the application
// object exists, so they work without a display and without touching a running copy. Every
// other argument goes to the application object, which takes the options every Qt program
// takes (-platform, -style, -display, -reverse, ...); what it leaves is refused.
enum class CommandLineAction { Run, Help, Version };

// The first of the game's own options on the command line, or Run when there is none.
CommandLineAction OwnOption(int argc, const char* const* argv);

std::string HelpText();
std::string VersionText();
std::string UsageLine();
// The argument named, then the usage line.
std::string NotUnderstoodText(const std::string& argument);
