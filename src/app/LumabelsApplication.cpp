#include "app/LumabelsApplication.h"

#include <QMessageBox>
#include <QSessionManager>
#include <exception>

#include "app/ProgramGlobals.h"

LumabelsApplication::LumabelsApplication(int& argc, char** argv) : QApplication(argc, argv) {
    setApplicationName(QStringLiteral("lumabels"));
    // No display name: Qt would append it to every window's caption ("About — Lumabels").
    setApplicationVersion(QStringLiteral(LUMABELS_VERSION));
    // Lets a Wayland compositor match the window to the installed desktop entry and icon.
    setDesktopFileName(QStringLiteral("io.github.lumabels.Lumabels"));
    setWindowIcon(QIcon(QStringLiteral(":/images/icon-32.png")));
    // The game keeps no state for a session to bring back, and a restart would hand it
    // options of the session manager's that it does not take: the next login starts without it.
    connect(this, &QGuiApplication::saveStateRequest, this, [](QSessionManager& manager) {
        manager.setRestartHint(QSessionManager::RestartNever);
    });
}

bool LumabelsApplication::notify(QObject* receiver, QEvent* event) {
    try {
        return QApplication::notify(receiver, event);
    } catch (const std::exception& error) {
        ShowException(QString::fromUtf8(error.what()));
    } catch (...) {
        ShowException(QString());
    }
    return false;
}

void LumabelsApplication::ShowException(const QString& message) {
    QMessageBox::critical(nullptr, QString::fromStdString(TitleText), message);
}
