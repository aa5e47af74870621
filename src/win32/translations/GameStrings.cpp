#include "win32/translations/GameStrings.h"

#include <windows.h>

#include <algorithm>
#include <iterator>

namespace {

struct TranslatedText {
    const wchar_t* Language;
    const wchar_t* Context;
    const wchar_t* Source;
    const wchar_t* Translation;
};

const TranslatedText Table[] = {
#include "GameStringTable.inc"
};

std::wstring& Chosen() {
    static std::wstring language;
    return language;
}

bool HasLanguage(const std::wstring& language) {
    return std::any_of(std::begin(Table), std::end(Table),
                       [&](const TranslatedText& row) { return language == row.Language; });
}

}  // namespace

void GameStrings::Choose(std::wstring_view localeName) {
    // Windows writes "pt-BR" where the translation files say "pt_BR".
    std::wstring full(localeName);
    std::replace(full.begin(), full.end(), L'-', L'_');
    const std::wstring language = full.substr(0, full.find(L'_'));
    for (const std::wstring& candidate : {full, language}) {
        if (!candidate.empty() && candidate != L"en" && HasLanguage(candidate)) {
            Chosen() = candidate;
            return;
        }
    }
    Chosen().clear();
}

const std::wstring& GameStrings::Language() {
    return Chosen();
}

const wchar_t* GameStrings::Tr(const wchar_t* context, const wchar_t* source) {
    const std::wstring& language = Chosen();
    if (language.empty()) {
        return source;
    }
    for (const TranslatedText& row : Table) {
        if (language == row.Language && std::wcscmp(context, row.Context) == 0 &&
            std::wcscmp(source, row.Source) == 0) {
            return row.Translation;
        }
    }
    return source;
}

std::wstring GameStrings::Fill(std::wstring_view pattern,
                               std::initializer_list<std::wstring_view> arguments) {
    std::wstring text;
    for (std::size_t i = 0; i < pattern.size(); ++i) {
        const std::size_t n = i + 1 < pattern.size() ? pattern[i + 1] - L'1' : arguments.size();
        if (pattern[i] == L'%' && n < arguments.size()) {
            text += arguments.begin()[n];
            ++i;
        } else {
            text += pattern[i];
        }
    }
    return text;
}

std::wstring GameStrings::UserInterfaceLocale() {
    wchar_t name[LOCALE_NAME_MAX_LENGTH] = {};
    if (LCIDToLocaleName(MAKELCID(GetUserDefaultUILanguage(), SORT_DEFAULT), name,
                         LOCALE_NAME_MAX_LENGTH, 0) == 0) {
        return {};
    }
    return name;
}
