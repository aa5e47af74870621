#include "qt/LumabelsApplication.h"

#include <QMessageBox>
#include <QSessionManager>
#include <exception>

#include "GameVersion.h"
#include "qt/desktop/ApplicationIcon.h"
#include "qt/process/ProgramGlobals.h"
#include "qt/process/SessionManagerLoss.h"
#include "qt/window/MainWindow.h"

LumabelsApplication::LumabelsApplication(int& argc, char** argv) : QApplication(argc, argv) {
    setApplicationName(QStringLiteral("lumabels"));
    // No display name: Qt would append it to every window's caption ("About — Lumabels").
    setApplicationVersion(QString::fromLatin1(GameVersion));
    // Lets a Wayland compositor match the window to the installed desktop entry and icon.
    setDesktopFileName(QStringLiteral("io.github.lumabels.Lumabels"));
    setWindowIcon(ApplicationIcon());
    // The menu bar belongs in the window. Offered to a desktop's global menu, it would first
    // ask the session bus whether one is there, and wait as long as the bus takes to answer.
    setAttribute(Qt::AA_DontUseNativeMenuBar);
    // The game keeps no state for a session to bring back, and a restart would hand it
    // options of the session manager's that it does not take: the next login starts without it.
    SurviveSessionManagerLoss();
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
    // Owned by the main window while there is one, so a window manager keeps the box in
    // front of it even when the window stays on top.
    QMessageBox::critical(Gui, QString::fromStdString(TitleText), message);
}
