#include "win32/translations/ResultsHeading.h"

#include "settings/files/windows/WideText.h"
#include "shell/ShellTexts.h"
#include "win32/translations/StringTableTranslator.h"

std::wstring ResultsHeading::Shown(const std::string& stored) {
    return WideFromUtf8(ShownHeading(stored, StringTableTranslator()));
}

std::string ResultsHeading::Stored(const std::wstring& shown) {
    return StoredHeading(Utf8FromWide(shown), StringTableTranslator());
}
