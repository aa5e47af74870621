#include "qt/process/CommandLine.h"

#include <QtGlobal>

#include <algorithm>
#include <array>
#include <string_view>
#include <vector>

#include "GameVersion.h"
#include "qt/desktop/TerminalText.h"

namespace {

// What Qt 6 itself takes from the command line (QGuiApplication, QApplication and the xcb
// platform), each with one or two leading dashes. Qt leaves an option that lacks its value
// where it is, so such an option is a misuse here too.
constexpr std::array<std::string_view, 17> QtOptionsWithValue = {
    "platform",        "platformpluginpath",
    "platformtheme",   "plugin",
    "qwindowgeometry", "geometry",
    "qwindowtitle",    "title",
    "qwindowicon",     "icon",
    "session",         "style",
    "stylesheet",      "qmljsdebugger",
    "display",         "name",
    "visual"};
constexpr std::array<std::string_view, 5> QtFlags = {"reverse", "testability", "widgetcount",
                                                     "nograb", "dograb"};
// Options that Qt also takes as one word, "-style=fusion".
constexpr std::array<std::string_view, 3> QtOptionsWithAttachedValue = {
    "style=", "stylesheet=", "qmljsdebugger="};

template <std::size_t N>
bool IsOneOf(std::string_view name, const std::array<std::string_view, N>& names) {
    return std::find(names.begin(), names.end(), name) != names.end();
}

template <std::size_t N>
bool StartsWithOneOf(std::string_view name, const std::array<std::string_view, N>& prefixes) {
    return std::any_of(prefixes.begin(), prefixes.end(),
                       [name](std::string_view prefix) { return name.starts_with(prefix); });
}

// The option's name without its dashes, or empty when it is not a Qt-style option.
std::string_view QtStyleName(std::string_view argument) {
    if (argument.starts_with("--")) {
        argument.remove_prefix(2);
    } else if (argument.starts_with("-")) {
        argument.remove_prefix(1);
    } else {
        return {};
    }
    return argument;
}

// Collects the arguments left once Qt's own are taken out; false when a Qt option lacks its
// value.
bool DropQtOptions(int argc, const char* const* argv, std::vector<std::string_view>& rest) {
    for (int i = 1; i < argc; ++i) {
        const std::string_view argument = argv[i];
        const std::string_view name = QtStyleName(argument);
        if (IsOneOf(name, QtOptionsWithValue)) {
            if (i + 1 >= argc) {
                return false;
            }
            ++i;
        } else if (!IsOneOf(name, QtFlags) && !StartsWithOneOf(name, QtOptionsWithAttachedValue)) {
            rest.push_back(argument);
        }
    }
    return true;
}

}  // namespace

CommandLineAction ParseCommandLine(int argc, const char* const* argv) {
    std::vector<std::string_view> rest;
    if (!DropQtOptions(argc, argv, rest)) {
        return CommandLineAction::Misuse;
    }
    if (rest.empty()) {
        return CommandLineAction::Run;
    }
    if (rest.size() == 1 && rest.front() == "--help") {
        return CommandLineAction::Help;
    }
    if (rest.size() == 1 && rest.front() == "--version") {
        return CommandLineAction::Version;
    }
    return CommandLineAction::Misuse;
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
