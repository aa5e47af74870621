// Numbers as typed in the options or found in the settings file. ParseIntegerOr must agree,
// for every text and any fallback, with the reading below, which is written from the rule
// alone and in another way; and every 32-bit number must come back from its text.

#include <algorithm>
#include <bit>
#include <cctype>
#include <charconv>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <limits>
#include <optional>
#include <string>
#include <string_view>

#include "FuzzCheck.h"
#include "settings/IntegerText.h"

namespace {

bool AllHexDigits(std::string_view text) {
    return std::all_of(text.begin(), text.end(),
                       [](char c) { return std::isxdigit(static_cast<unsigned char>(c)) != 0; });
}

bool AllDecimalDigits(std::string_view text) {
    return std::all_of(text.begin(), text.end(),
                       [](char c) { return std::isdigit(static_cast<unsigned char>(c)) != 0; });
}

std::string_view WithoutLeadingZeros(std::string_view digits) {
    return digits.substr(std::min(digits.find_first_not_of('0'), digits.size()));
}

// Leading spaces (code 32 alone); then either a hexadecimal prefix with at least one digit
// and at most 32 bits of value, taken as two's complement and never after a sign; or an
// optional sign and decimal digits within the signed 32-bit range. Nothing may follow.
std::optional<std::int32_t> ReferenceReading(std::string_view text) {
    text.remove_prefix(std::min(text.find_first_not_of(' '), text.size()));

    for (const std::string_view prefix : {"0x", "0X", "$", "x", "X"}) {
        if (!text.starts_with(prefix)) {
            continue;
        }
        const std::string_view digits = text.substr(prefix.size());
        if (digits.empty() || !AllHexDigits(digits)) {
            return std::nullopt;
        }
        const std::string_view significant = WithoutLeadingZeros(digits);
        if (significant.size() > 8) {
            return std::nullopt;
        }
        std::uint32_t pattern = 0;
        std::from_chars(significant.data(), significant.data() + significant.size(), pattern, 16);
        return std::bit_cast<std::int32_t>(pattern);
    }

    const bool negative = text.starts_with('-');
    if (negative || text.starts_with('+')) {
        text.remove_prefix(1);
    }
    if (text.empty() || !AllDecimalDigits(text)) {
        return std::nullopt;
    }
    const std::string_view significant = WithoutLeadingZeros(text);
    if (significant.size() > 10) {
        return std::nullopt;
    }
    std::int64_t magnitude = 0;
    std::from_chars(significant.data(), significant.data() + significant.size(), magnitude);
    const std::int64_t value = negative ? -magnitude : magnitude;
    if (value < std::numeric_limits<std::int32_t>::min() ||
        value > std::numeric_limits<std::int32_t>::max()) {
        return std::nullopt;
    }
    return static_cast<std::int32_t>(value);
}

std::string ReferenceText(std::int32_t value) {
    char buffer[16];
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, value);
    return std::string(buffer, result.ptr);
}

std::uint32_t Fnv1a(std::string_view bytes) {
    std::uint32_t hash = 2166136261U;
    for (const char c : bytes) {
        hash = (hash ^ static_cast<unsigned char>(c)) * 16777619U;
    }
    return hash;
}

void CheckReading(std::string_view text, std::int32_t fallback) {
    const std::int32_t expected = ReferenceReading(text).value_or(fallback);
    const std::int32_t got = ParseIntegerOr(text, fallback);
    Require(got == expected, "ParseIntegerOr disagrees with the reference reading", [&] {
        return "text " + Escaped(text) + "\nfallback " + std::to_string(fallback) + "\ngot " +
               std::to_string(got) + "\nexpected " + std::to_string(expected);
    });
}

void CheckReadsAs(const std::string& text, std::int32_t value) {
    const std::int32_t other = value ^ 1;  // a fallback that can never pass for the value
    const std::int32_t got = ParseIntegerOr(text, other);
    Require(got == value, "a number does not come back from its text", [&] {
        return "text " + Escaped(text) + "\ngot " + std::to_string(got) + "\nexpected " +
               std::to_string(value);
    });
}

void CheckRoundTrips(std::int32_t value) {
    const std::string text = IntegerToText(value);
    Require(text == ReferenceText(value), "IntegerToText is not plain decimal",
            [&] { return "value " + std::to_string(value) + "\ntext " + Escaped(text); });
    CheckReadsAs(text, value);
    CheckReadsAs("   " + text, value);
    CheckReadsAs(value < 0 ? "-000" + text.substr(1) : "+000" + text, value);

    char hex[16];
    const auto pattern = std::bit_cast<std::uint32_t>(value);
    for (const char* format : {"$%X", "x%x", "X%08X", "0x%x", "0X%X", "  $%x"}) {
        std::snprintf(hex, sizeof hex, format, pattern);
        CheckReadsAs(hex, value);
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    const auto hash = std::bit_cast<std::int32_t>(Fnv1a(text));

    for (const std::int32_t fallback : {hash, ~hash, 0, std::numeric_limits<std::int32_t>::min(),
                                        std::numeric_limits<std::int32_t>::max()}) {
        CheckReading(text, fallback);
    }

    CheckRoundTrips(ReferenceReading(text).value_or(hash));
    if (size >= 4) {
        std::uint32_t raw = 0;
        for (int i = 0; i < 4; ++i) {
            raw = raw << 8 | data[i];
        }
        CheckRoundTrips(std::bit_cast<std::int32_t>(raw));
    }
    return 0;
}
