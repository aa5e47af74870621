#include "desktop/HelpPage.h"

std::string LocalizedHelpPath(const std::string& englishPage, const std::string& language,
                              const std::function<bool(const std::string&)>& exists) {
    const std::size_t slash = englishPage.rfind('/');
    if (language.empty() || slash == std::string::npos) {
        return englishPage;
    }
    const std::string page =
        englishPage.substr(0, slash + 1) + language + englishPage.substr(slash);
    return exists(page) ? page : englishPage;
}
