#include "app/KeptSettings.h"

#include <QtGlobal>

#include "app/TerminalText.h"
#include "settings/SettingsFile.h"

bool KeptSettings::Write() const {
    return static_cast<bool>(SettingsFile::Write(path_, latest_));
}

bool KeptSettings::WriteOrSay(std::ostream& say) const {
    const WriteOutcome outcome = SettingsFile::Write(path_, latest_);
    if (!outcome) {
        // The reason is the settings layer's own words, or the system's.
        say << (path_.empty()
                    ? TerminalText("KeptSettings",
                                   QT_TRANSLATE_NOOP("KeptSettings",
                                                     "lumabels: the settings were not saved: %1"),
                                   {outcome.Problem()})
                    : TerminalText(
                          "KeptSettings",
                          QT_TRANSLATE_NOOP("KeptSettings",
                                            "lumabels: the settings were not saved in %1: %2"),
                          {path_, outcome.Problem()}))
            << std::endl;
    }
    return static_cast<bool>(outcome);
}
