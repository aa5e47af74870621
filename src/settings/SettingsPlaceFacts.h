#pragma once

#include <string>

// What the choice of settings.ini's place asks of the edition it runs in. Each edition answers
// in its own system's terms (owners and modes, the known folders); tests stage any machine.
class SettingsPlaceFacts {
  public:
    // How the settings.ini beside the program may serve this user.
    enum class BesideUse {
        Keep,      // saved there: it is, or may become, a file this user may replace
        ReadOnly,  // it may supply the values while the user's own file is missing
        None,      // neither: missing where nothing may be made, or not a file of theirs
    };

    virtual ~SettingsPlaceFacts() = default;
    // The program's folder ending with the system's separator; "" when it cannot be found or
    // used, so that no path is made relative to the current folder.
    virtual std::string ProgramFolder() const = 0;
    // Whether the game's data (notes, help) sits in the program's folder: a copy complete in
    // one folder, rather than a program whose data the system keeps elsewhere.
    virtual bool DataBesideProgram() const = 0;
    // Asked only of a program folder that holds the data.
    virtual BesideUse SettingsBesideProgram() const = 0;
    // The folder this user keeps the game's settings in, ending with the separator; "" when
    // the user has none.
    virtual std::string UserSettingsFolder() const = 0;
};
