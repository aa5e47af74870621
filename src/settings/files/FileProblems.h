#pragma once

#include <cstddef>
#include <string>

// Why a file is left alone, in the same words on every system.
namespace FileProblems {

inline constexpr const char* NotRegular = "not a regular file, so left as it is";
inline constexpr const char* ReadOnly = "the file is read-only";

inline std::string TooBig(std::size_t maxBytes) {
    return "larger than " + std::to_string(maxBytes / 1024) + " KiB, so left as it is";
}

}  // namespace FileProblems
