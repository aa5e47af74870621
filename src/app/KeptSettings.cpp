#include "app/KeptSettings.h"

#include "settings/SettingsFile.h"

bool KeptSettings::Write() const {
    return static_cast<bool>(SettingsFile::Write(path_, latest_));
}

bool KeptSettings::WriteOrSay(std::ostream& say) const {
    return static_cast<bool>(SettingsFile::WriteOrSay(path_, latest_, say));
}
