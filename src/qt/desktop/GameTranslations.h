#pragma once

#include <QString>
#include <functional>
#include <memory>
#include <string>
#include <vector>

class QTranslator;

// The player's language: the game's own translation of its texts and Qt's translation of its
// standard ones (the buttons of message boxes), chosen from the environment as gettext does.
// English needs no file: the texts in the code are the English ones.
class GameTranslations {
  public:
    // Language names in the order the environment asks for them, "de_AT" before "de", each one
    // without its codeset or modifier. Empty when the player asked for English or for the C
    // locale, or asked for nothing.
    static std::vector<std::string> RequestedLanguages(
        const std::function<std::string(const char*)>& environment);

    // Loads the first requested language the game has a translation of in one of `folders`
    // (each ending with '/'), and Qt's own translation of it from `qtFolder` when there is one.
    GameTranslations(const std::vector<std::string>& requested,
                     const std::vector<std::string>& folders, const QString& qtFolder);
    ~GameTranslations();
    GameTranslations(const GameTranslations&) = delete;
    GameTranslations& operator=(const GameTranslations&) = delete;

    // The language in use as its translation file names it ("de", "pt_BR"); empty for English.
    const std::string& Language() const { return language_; }

    // Makes the translations the application's: every tr() from now on uses them.
    void Install();

    // The translation of a text of the given context, for the moments before the application
    // object exists (the command line, a failed start); the text itself when there is none.
    QString Translate(const char* context, const char* text) const;

  private:
    std::string language_;
    std::unique_ptr<QTranslator> game_;
    std::unique_ptr<QTranslator> qt_;
};

// The folders the game's translations may be in, the executable's own first: a build tree or a
// portable copy, then an installed game's share/lumabels.
std::vector<std::string> TranslationFolders(const std::string& executableFolder);

// The translations this process's environment asks for, from the running executable's folders
// and Qt's own translations folder.
std::unique_ptr<GameTranslations> PlayerTranslations();
