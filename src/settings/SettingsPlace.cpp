#include "settings/SettingsPlace.h"

namespace {

constexpr const char* FileName = "settings.ini";

}  // namespace

SettingsPlace ChooseSettingsPlace(const SettingsPlaceFacts& facts) {
    SettingsPlace place;
    const std::string userFolder = facts.UserSettingsFolder();
    if (!userFolder.empty()) {
        place.Path = userFolder + FileName;
    }
    const std::string programFolder = facts.ProgramFolder();
    if (programFolder.empty() || !facts.DataBesideProgram()) {
        return place;
    }
    const std::string beside = programFolder + FileName;
    switch (facts.SettingsBesideProgram()) {
        case SettingsPlaceFacts::BesideUse::Keep:
            place.Path = beside;
            break;
        case SettingsPlaceFacts::BesideUse::ReadOnly:
            place.FallbackPath = beside;
            break;
        case SettingsPlaceFacts::BesideUse::None:
            break;
    }
    return place;
}
