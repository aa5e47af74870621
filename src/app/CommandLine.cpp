#include "app/CommandLine.h"

#include <string_view>

CommandLineAction ParseCommandLine(int argc, const char* const* argv) {
    if (argc <= 1) {
        return CommandLineAction::Run;
    }
    if (argc == 2) {
        const std::string_view option = argv[1];
        if (option == "--help") {
            return CommandLineAction::Help;
        }
        if (option == "--version") {
            return CommandLineAction::Version;
        }
    }
    return CommandLineAction::Misuse;
}

std::string UsageLine() {
    return "Usage: lumabels [--help | --version]\n";
}

std::string VersionText() {
    return "lumabels " LUMABELS_VERSION "\n";
}

std::string HelpText() {
    return UsageLine() +
           "\n"
           "Lumabels, a small arcade game: a girl in a white dress rides six-colour bands across\n"
           "the night sky. Click a band that overlaps hers to make her jump, or a cloud to call a\n"
           "new band. Shift clicks at the mouse pointer; F2 starts a new game, F5 opens the\n"
           "options, F1 the help page.\n"
           "\n"
           "  --help     show this text and exit\n"
           "  --version  show the version and exit\n"
           "\n"
           "Settings are kept in settings.ini beside the program when that folder is writable,\n"
           "otherwise in $XDG_CONFIG_HOME/lumabels/settings.ini (~/.config/lumabels/).\n"
           "Only one copy runs at a time; starting another one does nothing and exits with 1.\n";
}
