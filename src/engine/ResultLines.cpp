#include "engine/ResultLines.h"

#include <charconv>

std::string SecondsText(std::int32_t milliseconds, std::string_view decimalPoint) {
    // Multiply in extended precision, then round once to double, so 1230 ms gives exactly
    // the double nearest 1.23 and prints as "1.23".
    const auto seconds = static_cast<double>(static_cast<long double>(milliseconds) * 0.001L);
    // to_chars ignores the process locale, which Qt sets from the environment.
    std::array<char, 32> buffer{};
    const auto [end, error] = std::to_chars(buffer.data(), buffer.data() + buffer.size(), seconds,
                                            std::chars_format::general, 15);
    std::string text(buffer.data(), error == std::errc{} ? end : buffer.data());
    if (const auto dot = text.find('.'); dot != std::string::npos) {
        text.replace(dot, 1, decimalPoint);
    }
    return text;
}

namespace {

// The pattern with "%n" and "%1" replaced in one pass, so a number never gets replaced again.
std::string Filled(std::string_view pattern, const std::string& points,
                   const std::string& seconds) {
    std::string text;
    for (std::size_t i = 0; i < pattern.size(); ++i) {
        if (pattern[i] == '%' && i + 1 < pattern.size() &&
            (pattern[i + 1] == 'n' || pattern[i + 1] == '1')) {
            text += pattern[i + 1] == 'n' ? points : seconds;
            ++i;
        } else {
            text += pattern[i];
        }
    }
    return text;
}

}  // namespace

std::array<std::string, 5> ResultLines(const std::string& message, std::int32_t score,
                                       std::int32_t playTime, std::int32_t recordScore,
                                       std::int32_t recordTime, std::string_view decimalPoint,
                                       const ResultWords& words) {
    return {
        message,
        " ",
        Filled(words.Last, std::to_string(score), SecondsText(playTime, decimalPoint)),
        " ",
        Filled(words.Record, std::to_string(recordScore), SecondsText(recordTime, decimalPoint)),
    };
}
