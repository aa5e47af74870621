#include "settings/KeptSettings.h"

#include "settings/SettingsFile.h"

WriteOutcome KeptSettings::Write() const {
    return SettingsFile::Write(path_, latest_);
}
