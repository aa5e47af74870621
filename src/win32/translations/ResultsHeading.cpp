#include "win32/translations/ResultsHeading.h"

#include "settings/AppPlayOptions.h"
#include "settings/files/windows/WideText.h"
#include "win32/translations/GameStrings.h"

namespace {

const std::string& DefaultHeading() {
    static const std::string heading = AppPlayOptions{}.Message;
    return heading;
}

std::wstring TranslatedDefault() {
    return GameStrings::Tr(L"ResultsHeading", WideFromUtf8(DefaultHeading()).c_str());
}

}  // namespace

std::wstring ResultsHeading::Shown(const std::string& stored) {
    return stored == DefaultHeading() ? TranslatedDefault() : WideFromUtf8(stored);
}

std::string ResultsHeading::Stored(const std::wstring& shown) {
    return shown == TranslatedDefault() ? DefaultHeading() : Utf8FromWide(shown);
}
