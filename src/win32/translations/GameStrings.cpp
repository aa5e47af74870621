#include "win32/translations/GameStrings.h"

#include <windows.h>

#include <algorithm>
#include <cwchar>
#include <iterator>
#include <string>

namespace {

struct TranslatedText {
    const wchar_t* Language;
    const wchar_t* Context;
    const wchar_t* Source;
    int Form;  // the plural form, 0 for a text without a count
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

// Which plural form a count takes, numbered as the translation files number them; the same rules
// the translation tools apply to these languages for the Linux edition.
int PluralForm(const std::wstring& language, int count) {
    if (language == L"ja" || language == L"zh_CN") {
        return 0;
    }
    if (language == L"fr" || language == L"pt_BR") {
        return count <= 1 ? 0 : 1;
    }
    if (language == L"ru") {
        const int ones = count % 10;
        const int tens = count % 100;
        if (ones == 1 && tens != 11) {
            return 0;
        }
        return ones >= 2 && ones <= 4 && (tens < 10 || tens >= 20) ? 1 : 2;
    }
    return count == 1 ? 0 : 1;
}

const wchar_t* Lookup(const wchar_t* context, const wchar_t* source, int form) {
    const std::wstring& language = Chosen();
    for (const TranslatedText& row : Table) {
        if (form == row.Form && language == row.Language &&
            std::wcscmp(context, row.Context) == 0 && std::wcscmp(source, row.Source) == 0) {
            return row.Translation;
        }
    }
    return nullptr;
}

// Any list of texts with begin() and size(), for both of Fill's forms.
template <typename Arguments>
std::wstring FillPlaces(std::wstring_view pattern, const Arguments& arguments) {
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
    if (Chosen().empty()) {
        return source;
    }
    const wchar_t* translation = Lookup(context, source, 0);
    return translation != nullptr ? translation : source;
}

std::wstring GameStrings::TrN(const wchar_t* context, const wchar_t* source, int count) {
    const wchar_t* translation = nullptr;
    if (!Chosen().empty()) {
        translation = Lookup(context, source, count < 0 ? 0 : PluralForm(Chosen(), count));
    }
    std::wstring text = translation != nullptr ? translation : source;
    if (count >= 0) {
        const std::wstring number = std::to_wstring(count);
        for (std::size_t at = text.find(L"%n"); at != std::wstring::npos;
             at = text.find(L"%n", at + number.size())) {
            text.replace(at, 2, number);
        }
    }
    return text;
}

std::wstring GameStrings::Fill(std::wstring_view pattern,
                               std::initializer_list<std::wstring_view> arguments) {
    return FillPlaces(pattern, arguments);
}

std::wstring GameStrings::Fill(std::wstring_view pattern, std::span<const std::wstring> arguments) {
    return FillPlaces(pattern, arguments);
}

std::wstring GameStrings::UserInterfaceLocale() {
    wchar_t name[LOCALE_NAME_MAX_LENGTH] = {};
    if (LCIDToLocaleName(MAKELCID(GetUserDefaultUILanguage(), SORT_DEFAULT), name,
                         LOCALE_NAME_MAX_LENGTH, 0) == 0) {
        return {};
    }
    return name;
}
