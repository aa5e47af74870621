#pragma once

#include <string>

// Nothing at all is at `path`, not even a dangling link: false when something is there or when
// the system cannot tell.
bool IsMissing(const std::string& path);
