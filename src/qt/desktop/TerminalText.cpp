#include "qt/desktop/TerminalText.h"

#include "qt/desktop/GameTranslations.h"

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

std::string TerminalText(const char* context, const char* text,
                         std::initializer_list<std::string_view> values) {
    const std::string pattern = TerminalText(context, text);
    std::string filled;
    filled.reserve(pattern.size());
    for (std::size_t i = 0; i < pattern.size(); ++i) {
        const char next = i + 1 < pattern.size() ? pattern[i + 1] : '\0';
        const std::size_t number = next >= '1' && next <= '9' ? std::size_t(next - '0') : 0;
        if (pattern[i] == '%' && number >= 1 && number <= values.size()) {
            filled += *(values.begin() + (number - 1));
            ++i;
        } else {
            filled += pattern[i];
        }
    }
    return filled;
}

std::string PlayerLanguage() {
    return Translations != nullptr ? Translations->Language() : std::string();
}
