#include "app/PlatformStartGuard.h"

#include <QByteArray>
#include <QList>
#include <QString>
#include <cstdio>
#include <cstdlib>

namespace {

struct HeldMessage {
    QtMsgType type;
    QByteArray category;
    QByteArray file;
    QByteArray function;
    int line;
    QString text;
};

QList<HeldMessage>& Held() {
    static QList<HeldMessage> held;
    return held;
}

std::string Described(const char* variable, const char* value) {
    if (value == nullptr || *value == '\0') {
        return std::string(variable) + " is not set";
    }
    return std::string(variable) + "=" + value;
}

void HoldOrGiveUp(QtMsgType type, const QMessageLogContext& context, const QString& text) {
    if (type == QtFatalMsg) {
        // Qt cannot go on without a platform; say why in words a player can act on, and end
        // before Qt's abort.
        const std::string line = NoDisplayLine(
            std::getenv("DISPLAY"), std::getenv("WAYLAND_DISPLAY"), std::getenv("QT_QPA_PLATFORM"));
        std::fputs(line.c_str(), stderr);
        std::_Exit(PlatformStartGuard::NoDisplayExitStatus);
    }
    Held().append({type, QByteArray(context.category), QByteArray(context.file),
                   QByteArray(context.function), context.line, text});
}

}  // namespace

PlatformStartGuard::PlatformStartGuard() : previous_(qInstallMessageHandler(&HoldOrGiveUp)) {}

PlatformStartGuard::~PlatformStartGuard() {
    qInstallMessageHandler(previous_);
    QList<HeldMessage> held;
    held.swap(Held());
    for (const HeldMessage& m : held) {
        const QMessageLogContext context(m.file.constData(), m.line, m.function.constData(),
                                         m.category.constData());
        qt_message_output(m.type, context, m.text);
    }
}

std::string NoDisplayLine(const char* x11Display, const char* waylandDisplay,
                          const char* platform) {
    std::string line = "lumabels: cannot start: no X display (" + Described("DISPLAY", x11Display) +
                       ") and no Wayland display (" + Described("WAYLAND_DISPLAY", waylandDisplay) +
                       ") could be opened";
    if (platform != nullptr && *platform != '\0') {
        line += std::string(" with the platform QT_QPA_PLATFORM=") + platform;
    }
    return line + "\n";
}
