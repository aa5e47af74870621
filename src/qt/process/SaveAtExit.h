#pragma once

#include <string>

class KeptSettings;

// Writes the kept settings when the process ends through exit() before the main window has
// made its closing save. Qt's X11 plugin ends the program that way when the connection to the
// display breaks (the X server ends with the session, or is killed), and the main window
// never gets to its destructor then. Only one is armed at a time, the newest; the one before
// is armed again when it goes.
class SaveAtExit {
  public:
    explicit SaveAtExit(KeptSettings& kept);
    SaveAtExit(const SaveAtExit&) = delete;
    SaveAtExit& operator=(const SaveAtExit&) = delete;
    ~SaveAtExit();

  private:
    static void AtExit();

    KeptSettings& kept_;
    SaveAtExit* previous_;
    // Put into words when armed: by the time the hook runs, the translations may be gone.
    std::string savedLine_;
    std::string notSavedLine_;
};
