#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

// Reads a signed 32-bit integer the way typed options and the settings file are read:
// optional leading spaces, then either an optional sign and decimal digits with nothing after
// them, or a hexadecimal form ("$", "x", "X", "0x" or "0X" and up to 32 bits of digits, taken
// as a two's-complement pattern). Anything else, the empty text included, gives `fallback`.
std::int32_t ParseIntegerOr(std::string_view text, std::int32_t fallback);

// The same reading, with no value when the text is not a number.
std::optional<std::int32_t> ParseInteger(std::string_view text);

// Decimal digits, a "-" before a negative number, no "+", no leading zeros, no separators.
std::string IntegerToText(std::int32_t value);
