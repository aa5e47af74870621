#include "qt/process/CommandLine.h"

#include <QtGlobal>

#include <string_view>

#include "GameVersion.h"
#include "qt/desktop/TerminalText.h"

CommandLineAction OwnOption(int argc, const char* const* argv) {
    for (int i = 1; i < argc; ++i) {
        const std::string_view argument = argv[i];
        if (argument == "--help") {
            return CommandLineAction::Help;
        }
        if (argument == "--version") {
            return CommandLineAction::Version;
        }
    }
    return CommandLineAction::Run;
}

std::string NotUnderstoodText(const std::string& argument) {
    return TerminalText("CommandLine",
                        QT_TRANSLATE_NOOP("CommandLine", "lumabels: unknown argument: %1"),
                        {argument}) +
           "\n" + UsageLine();
}

std::string UsageLine() {
    return TerminalText("CommandLine",
                        QT_TRANSLATE_NOOP("CommandLine",
                                          "Usage: lumabels [--help | --version] [Qt options such "
                                          "as -platform NAME, -style NAME]")) +
           "\n";
}

std::string VersionText() {
    return std::string("lumabels ") + GameVersion + "\n";
}

std::string HelpText() {
    // One piece for each paragraph, so a translation can wrap its own lines.
    return UsageLine() + "\n" +
           TerminalText(
               "CommandLine",
               QT_TRANSLATE_NOOP(
                   "CommandLine",
                   "Lumabels, a small arcade game: a girl in a white dress rides six-colour bands "
                   "across\n"
                   "the night sky. Click a band that overlaps hers to make her jump, or a cloud to "
                   "call a\n"
                   "new band. Shift clicks at the mouse pointer; F2 starts a new game, F5 opens "
                   "the\n"
                   "options, F1 the help page.\n")) +
           "\n" +
           TerminalText("CommandLine",
                        QT_TRANSLATE_NOOP("CommandLine",
                                          "  --help     show this text and exit\n"
                                          "  --version  show the version and exit\n")) +
           "\n" +
           TerminalText(
               "CommandLine",
               QT_TRANSLATE_NOOP(
                   "CommandLine",
                   "The options every Qt program takes are understood too, for example -platform "
                   "xcb,\n"
                   "-style fusion, -reverse or -display :1.\n")) +
           "\n" +
           TerminalText(
               "CommandLine",
               QT_TRANSLATE_NOOP("CommandLine",
                                 "Settings are kept in $XDG_CONFIG_HOME/lumabels/settings.ini "
                                 "(~/.config/lumabels/),\n"
                                 "or, for a portable copy (sound/ or help/ beside the program), in "
                                 "settings.ini\n"
                                 "beside the program when this user may write there.\n")) +
           TerminalText(
               "CommandLine",
               QT_TRANSLATE_NOOP(
                   "CommandLine",
                   "Exit status: 0 when the game ends, 1 when another copy is already running "
                   "(this one\n"
                   "does nothing), 2 for an unknown option, 3 when no display could be opened.\n"));
}
