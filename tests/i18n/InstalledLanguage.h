#pragma once

#include <QLibraryInfo>
#include <QString>
#include <QStringList>
#include <string>
#include <vector>

#include "qt/desktop/GameTranslations.h"
#include "qt/desktop/TerminalText.h"

// The languages the build translates into, as CMake lists them.
inline QStringList ShippedLanguages() {
    return QString::fromUtf8(LUMABELS_LANGUAGES).split(QLatin1Char(';'));
}

// The game's translation for one language, made the application's for the test's lifetime,
// as the game does at start-up. Built translations are read from the build tree.
class InstalledLanguage {
  public:
    explicit InstalledLanguage(const QString& language)
        : translations_({language.toStdString()}, {LUMABELS_TRANSLATIONS_DIR "/"},
                        QLibraryInfo::path(QLibraryInfo::TranslationsPath)) {
        translations_.Install();
        UseTerminalTranslations(&translations_);
    }
    ~InstalledLanguage() { UseTerminalTranslations(nullptr); }
    InstalledLanguage(const InstalledLanguage&) = delete;
    InstalledLanguage& operator=(const InstalledLanguage&) = delete;

    const std::string& Language() const { return translations_.Language(); }

  private:
    GameTranslations translations_;
};
