#pragma once

#include <windows.h>

#include <string>

// Windows' own words for an error code, in UTF-8, without the line end it puts after them.
std::string SystemMessage(DWORD error);
