#pragma once

#include <string>

// The results heading as the Options dialog shows and stores it: the game's rule (ShownHeading,
// StoredHeading) in Windows' wide text.
class ResultsHeading {
  public:
    static std::wstring Shown(const std::string& stored);
    static std::string Stored(const std::wstring& shown);
};
