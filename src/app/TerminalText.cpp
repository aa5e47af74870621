#include "app/TerminalText.h"

#include "app/GameTranslations.h"

namespace {
const GameTranslations* Translations = nullptr;
}

void UseTerminalTranslations(const GameTranslations* translations) {
    Translations = translations;
}

std::string TerminalText(const char* context, const char* text) {
    if (Translations == nullptr) {
        return text;
    }
    return Translations->Translate(context, text).toStdString();
}

std::string PlayerLanguage() {
    return Translations != nullptr ? Translations->Language() : std::string();
}
