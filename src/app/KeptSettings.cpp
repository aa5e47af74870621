#include "app/KeptSettings.h"

#include "settings/SettingsFile.h"

bool KeptSettings::Write() const {
    return SettingsFile::Write(path_, latest_);
}
