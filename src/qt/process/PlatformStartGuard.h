#pragma once

#include <QtGlobal>
#include <string>

// Stands guard while the application object connects to the display. Without any display Qt
// prints several lines of advice meant for developers and aborts, leaving a core dump; the
// player gets one plain line and exit status 3 instead. Qt's messages from these moments are
// held back meanwhile and go out as usual once the start has succeeded.
class PlatformStartGuard {
  public:
    // 1 is taken: it means another copy is running.
    static constexpr int NoDisplayExitStatus = 3;

    PlatformStartGuard();
    ~PlatformStartGuard();
    PlatformStartGuard(const PlatformStartGuard&) = delete;
    PlatformStartGuard& operator=(const PlatformStartGuard&) = delete;

  private:
    QtMessageHandler previous_;
};

// The line printed when no display could be opened, naming what was looked for.
std::string NoDisplayLine(const char* x11Display, const char* waylandDisplay, const char* platform);
