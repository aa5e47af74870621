#pragma once

#include <string>

// The folder of the running executable, with its trailing '/'; empty if it cannot be read.
std::string ExecutableFolder();
