#pragma once

#include <QString>
#include <string>

// The results heading as the Options dialog shows and stores it: the game's rule (ShownHeading,
// StoredHeading) in Qt's words.
class ResultsHeading {
  public:
    static QString Shown(const std::string& stored);
    static std::string Stored(const QString& shown);
};
