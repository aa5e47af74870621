#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

// Seconds as the results screen writes them: the general format with up to 15 significant
// digits, trailing zeros dropped and no separator for whole seconds (1230 ms is "1.23",
// 2000 ms is "2"), with the given decimal separator.
std::string SecondsText(std::int32_t milliseconds, std::string_view decimalPoint);

// The wording of the two score lines, in the player's language: "%n" stands for the points
// and "%1" for the seconds. Qt's translation writes a count of 0 or more in for "%n" as it
// picks the plural form, so here "%n" is usually gone already.
struct ResultWords {
    std::string_view Last = "Last : %n pt. %1 sec.";
    std::string_view Record = "Record : %n pt. %1 sec.";
};

// The five lines of the results block: heading, blank, last game, blank, record.
std::array<std::string, 5> ResultLines(const std::string& message, std::int32_t score,
                                       std::int32_t playTime, std::int32_t recordScore,
                                       std::int32_t recordTime, std::string_view decimalPoint,
                                       const ResultWords& words = {});
