#pragma once

// How the program treats the record and its main window across runs.
class AppSystemOptions {
  public:
    AppSystemOptions() = default;
    AppSystemOptions(const AppSystemOptions&) = default;
    AppSystemOptions& operator=(const AppSystemOptions&) = default;
    virtual ~AppSystemOptions();

    bool RestoreRecord = true;
    bool ClearRecord = false;  // a one-shot request, carried out and reset when applied
    bool RestorePosition = true;
    bool StayOnTop = false;
};
