#pragma once

#include <QString>
#include <string>

// The heading of the results screen is the player's own text, with one exception: the default,
// "Results", which the settings file holds when the player never chose a heading (the game
// writes it there, and an empty entry reads as it). That one is shown in the player's language,
// and a heading typed as the translated word is stored as the default again. So the file never
// holds a translated default that would stay behind when the language changes, and files
// written before translations existed mean what they meant.
class ResultsHeading {
  public:
    // What the results screen and the Options dialog show for a stored heading.
    static QString Shown(const std::string& stored);
    // What is stored for a heading as the Options dialog shows it.
    static std::string Stored(const QString& shown);
};
