#include "qt/process/KeptSettings.h"

#include <QtGlobal>

#include "qt/desktop/TerminalText.h"
#include "settings/SettingsFile.h"

bool KeptSettings::Write() const {
    return static_cast<bool>(SettingsFile::Write(path_, latest_));
}

std::optional<std::string> KeptSettings::WriteOrExplain() const {
    const WriteOutcome outcome = SettingsFile::Write(path_, latest_);
    if (outcome) {
        return std::nullopt;
    }
    // The reason is the settings layer's own words, or the system's.
    return path_.empty()
               ? TerminalText(
                     "KeptSettings",
                     QT_TRANSLATE_NOOP("KeptSettings", "lumabels: the settings were not saved: %1"),
                     {outcome.Problem()})
               : TerminalText("KeptSettings",
                              QT_TRANSLATE_NOOP("KeptSettings",
                                                "lumabels: the settings were not saved in %1: %2"),
                              {path_, outcome.Problem()});
}
