#include "win32/translations/StringTableTranslator.h"

#include <windows.h>

#include <array>

#include "settings/files/windows/WideText.h"
#include "win32/translations/GameStrings.h"

std::string StringTableTranslator::Translate(const GameText& text) const {
    const std::wstring context = WideFromUtf8(text.Context);
    const std::wstring source = WideFromUtf8(text.Source);
    return Utf8FromWide(GameStrings::Tr(context.c_str(), source.c_str()));
}

std::string StringTableTranslator::TranslateCount(const GameText& text, int count) const {
    const std::wstring context = WideFromUtf8(text.Context);
    const std::wstring source = WideFromUtf8(text.Source);
    return Utf8FromWide(GameStrings::TrN(context.c_str(), source.c_str(), count));
}

std::string StringTableTranslator::DecimalPoint() const {
    // The user's own choice in the regional settings, as every program of theirs shows numbers.
    std::array<wchar_t, 8> point{};
    if (GetLocaleInfoEx(LOCALE_NAME_USER_DEFAULT, LOCALE_SDECIMAL, point.data(),
                        static_cast<int>(point.size())) <= 1) {
        return ".";
    }
    return Utf8FromWide(point.data());
}
