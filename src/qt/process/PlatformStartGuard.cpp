#include "qt/process/PlatformStartGuard.h"

#include <QByteArray>
#include <QList>
#include <QString>
#include <cstdio>
#include <cstdlib>

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
