#pragma once

#include <string>
#include <string_view>

// The game keeps paths and texts in UTF-8; Windows' wide calls take UTF-16. Text that is not
// valid in one encoding has each bad sequence replaced by U+FFFD in the other.
std::wstring WideFromUtf8(std::string_view text);
std::string Utf8FromWide(std::wstring_view text);
