#include "qt/process/PlatformStartGuard.h"

#include <QByteArray>
#include <QList>
#include <QString>
#include <cstdio>
#include <cstdlib>
#include <string_view>

#include "qt/desktop/TerminalText.h"

namespace {

struct HeldMessage {
    QtMsgType Type;
    QByteArray Category;
    QByteArray File;
    QByteArray Function;
    int Line;
    QString Text;
};

// The platform the command line asks for, read before the application object takes its
// options out of argv.
std::string AskedOnCommandLine;

QList<HeldMessage>& Held() {
    static QList<HeldMessage> held;
    return held;
}

QString Described(const char* variable, const char* value) {
    if (value == nullptr || *value == '\0') {
        return QString::fromStdString(
                   TerminalText("PlatformStartGuard",
                                QT_TRANSLATE_NOOP("PlatformStartGuard", "%1 is not set")))
            .arg(QString::fromUtf8(variable));
    }
    return QString::fromUtf8(variable) + QLatin1Char('=') + QString::fromLocal8Bit(value);
}

void HoldOrGiveUp(QtMsgType type, const QMessageLogContext& context, const QString& text) {
    if (type == QtFatalMsg) {
        // Qt cannot go on without a platform; say why in words a player can act on, and end
        // before Qt's abort.
        const std::string line =
            PlatformFailureLine(AskedOnCommandLine, std::getenv("DISPLAY"),
                                std::getenv("WAYLAND_DISPLAY"), std::getenv("QT_QPA_PLATFORM"));
        std::fputs(line.c_str(), stderr);
        std::_Exit(PlatformStartGuard::NoDisplayExitStatus);
    }
    Held().append({type, QByteArray(context.category), QByteArray(context.file),
                   QByteArray(context.function), context.line, text});
}

// X11 and Wayland fail for want of their display; the name may carry options after ':'.
bool IsDisplayPlatform(const std::string& platform) {
    const std::string name = platform.substr(0, platform.find(':'));
    return name == "xcb" || name.starts_with("wayland") || name.find(';') != std::string::npos;
}

}  // namespace

PlatformStartGuard::PlatformStartGuard(int argc, const char* const* argv)
    : previous_(qInstallMessageHandler(&HoldOrGiveUp)) {
    AskedOnCommandLine = CommandLinePlatform(argc, argv);
}

std::string CommandLinePlatform(int argc, const char* const* argv) {
    std::string platform;
    for (int i = 1; i + 1 < argc; ++i) {
        const std::string_view argument(argv[i]);
        if (argument == "-platform" || argument == "--platform") {
            platform = argv[++i];
        }
    }
    return platform;
}

PlatformStartGuard::~PlatformStartGuard() {
    qInstallMessageHandler(previous_);
    QList<HeldMessage> held;
    held.swap(Held());
    for (const HeldMessage& m : held) {
        const QMessageLogContext context(m.File.constData(), m.Line, m.Function.constData(),
                                         m.Category.constData());
        qt_message_output(m.Type, context, m.Text);
    }
}

std::string NoDisplayLine(const char* x11Display, const char* waylandDisplay,
                          const char* platform) {
    const QString x11 = Described("DISPLAY", x11Display);
    const QString wayland = Described("WAYLAND_DISPLAY", waylandDisplay);
    if (platform == nullptr || *platform == '\0') {
        const std::string pattern = TerminalText(
            "PlatformStartGuard",
            QT_TRANSLATE_NOOP("PlatformStartGuard",
                              "lumabels: cannot start: no X display (%1) and no Wayland display "
                              "(%2) could be opened"));
        return QString::fromStdString(pattern).arg(x11, wayland).toStdString() + "\n";
    }
    const std::string pattern = TerminalText(
        "PlatformStartGuard",
        QT_TRANSLATE_NOOP("PlatformStartGuard",
                          "lumabels: cannot start: no X display (%1) and no Wayland display (%2) "
                          "could be opened with the platform QT_QPA_PLATFORM=%3"));
    return QString::fromStdString(pattern)
               .arg(x11, wayland, QString::fromLocal8Bit(platform))
               .toStdString() +
           "\n";
}

std::string PlatformFailureLine(const std::string& fromCommandLine, const char* x11Display,
                                const char* waylandDisplay, const char* platform) {
    const std::string fromEnvironment = platform != nullptr ? platform : "";
    const std::string asked = !fromCommandLine.empty() ? fromCommandLine : fromEnvironment;
    if (asked.empty() || IsDisplayPlatform(asked)) {
        return NoDisplayLine(x11Display, waylandDisplay,
                             fromCommandLine.empty() ? platform : nullptr);
    }
    const std::string how = !fromCommandLine.empty() ? "-platform " + fromCommandLine
                                                     : "QT_QPA_PLATFORM=" + fromEnvironment;
    return TerminalText("PlatformStartGuard",
                        QT_TRANSLATE_NOOP("PlatformStartGuard",
                                          "lumabels: cannot start: the platform %1 could not be "
                                          "started"),
                        {how}) +
           "\n";
}
