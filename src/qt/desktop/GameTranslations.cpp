#include "qt/desktop/GameTranslations.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QLibraryInfo>
#include <QTranslator>
#include <cstdlib>
#include <filesystem>

#include "qt/desktop/ExecutableFolder.h"

namespace {

// "de_DE.UTF-8@euro" is asked for as "de_DE" and then "de".
void AddWithFallback(const std::string& entry, std::vector<std::string>& languages) {
    const std::string name = entry.substr(0, entry.find_first_of(".@"));
    if (name.empty()) {
        return;
    }
    languages.push_back(name);
    if (const auto underscore = name.find('_'); underscore != std::string::npos) {
        languages.push_back(name.substr(0, underscore));
    }
}

bool IsCLocale(const std::string& locale) {
    return locale == "C" || locale == "POSIX";
}

}  // namespace

std::vector<std::string> GameTranslations::RequestedLanguages(
    const std::function<std::string(const char*)>& environment) {
    // The locale of messages: the first of these that is set wins.
    std::string locale;
    for (const char* name : {"LC_ALL", "LC_MESSAGES", "LANG"}) {
        locale = environment(name);
        if (!locale.empty()) {
            break;
        }
    }
    // A player who asked for the C locale gets the program's own texts, whatever LANGUAGE
    // says; with no locale at all LANGUAGE still counts, so LANGUAGE=de alone is German.
    if (IsCLocale(locale)) {
        return {};
    }
    std::vector<std::string> languages;
    std::string list = environment("LANGUAGE");
    std::size_t start = 0;
    while (start <= list.size()) {
        const std::size_t end = std::min(list.find(':', start), list.size());
        AddWithFallback(list.substr(start, end - start), languages);
        start = end + 1;
    }
    AddWithFallback(locale, languages);
    return languages;
}

GameTranslations::GameTranslations(const std::vector<std::string>& requested,
                                   const std::vector<std::string>& folders,
                                   const QString& qtFolder) {
    for (const std::string& language : requested) {
        // English is what the code says: nothing to load, and nothing later in the list counts.
        if (language == "en" || language.starts_with("en_")) {
            return;
        }
        for (const std::string& folder : folders) {
            // Only the file of exactly this language: QTranslator would quietly fall back from
            // "fr_CA" to "fr", and "fr" comes later in the list anyway.
            const QString file = QString::fromStdString(folder + "lumabels_" + language + ".qm");
            auto game = std::make_unique<QTranslator>();
            if (!QFileInfo(file).isFile() || !game->load(file)) {
                continue;
            }
            language_ = language;
            game_ = std::move(game);
            auto qt = std::make_unique<QTranslator>();
            if (qt->load(QStringLiteral("qtbase_") + QString::fromStdString(language), qtFolder)) {
                qt_ = std::move(qt);
            }
            return;
        }
    }
}

GameTranslations::~GameTranslations() = default;

void GameTranslations::Install() {
    for (QTranslator* translator : {qt_.get(), game_.get()}) {
        if (translator != nullptr) {
            QCoreApplication::installTranslator(translator);
        }
    }
}

QString GameTranslations::Translate(const char* context, const char* text) const {
    if (game_ != nullptr) {
        const QString translated = game_->translate(context, text);
        if (!translated.isEmpty()) {
            return translated;
        }
    }
    return QString::fromUtf8(text);
}

std::vector<std::string> TranslationFolders(const std::string& executableFolder) {
    const std::string installed =
        std::filesystem::path(executableFolder + "../share/lumabels/translations/")
            .lexically_normal()
            .string();
    return {executableFolder + "translations/", installed};
}

std::unique_ptr<GameTranslations> PlayerTranslations() {
    const auto environment = [](const char* name) {
        const char* value = std::getenv(name);
        return std::string(value != nullptr ? value : "");
    };
    return std::make_unique<GameTranslations>(GameTranslations::RequestedLanguages(environment),
                                              TranslationFolders(ExecutableFolder()),
                                              QLibraryInfo::path(QLibraryInfo::TranslationsPath));
}
