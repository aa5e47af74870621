#pragma once

#include <string>

// The heading of the results screen is the player's own text, except the default "Results",
// which the settings file holds when the player never chose a heading: that one is shown in
// the player's language, and the translated word typed back is stored as the default again,
// as in the Linux edition, so the file never holds a translation.
class ResultsHeading {
  public:
    static std::wstring Shown(const std::string& stored);
    static std::string Stored(const std::wstring& shown);
};
