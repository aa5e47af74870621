#pragma once

#include <string>
#include <string_view>

// The core keeps text and paths as UTF-8; Windows speaks UTF-16. These are the only crossings.
std::wstring Widen(std::string_view utf8);
std::string Narrow(std::wstring_view wide);
