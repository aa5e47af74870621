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

    // argc and argv as the application object is given them: they may ask for a platform.
    PlatformStartGuard(int argc, const char* const* argv);
    ~PlatformStartGuard();
    PlatformStartGuard(const PlatformStartGuard&) = delete;
    PlatformStartGuard& operator=(const PlatformStartGuard&) = delete;

  private:
    QtMessageHandler previous_;
};

// The line printed when no display could be opened, naming what was looked for.
std::string NoDisplayLine(const char* x11Display, const char* waylandDisplay, const char* platform);

// The platform the command line asks for, as Qt reads it: the last "-platform NAME" or
// "--platform NAME"; empty when none.
std::string CommandLinePlatform(int argc, const char* const* argv);

// The line printed when Qt could not start its platform. A platform asked for by name, on the
// command line (fromCommandLine) or else in QT_QPA_PLATFORM (platform), that is neither X11
// nor Wayland is named as the one that failed: the displays had no part in it. Otherwise, as
// NoDisplayLine.
std::string PlatformFailureLine(const std::string& fromCommandLine, const char* x11Display,
                                const char* waylandDisplay, const char* platform);
