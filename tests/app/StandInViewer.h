#pragma once

#include <QByteArray>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QtGlobal>
#include <optional>

// Stands in for the desktop's viewer on PATH while it lives, so no browser is ever started: it
// writes down what it was handed and ends with the status given, or, as a viewer that runs the
// browser itself, stays until it is ended. With no status there is no viewer at all.
class StandInViewer {
  public:
    static constexpr int StaysRunning = -1;

    explicit StandInViewer(std::optional<int> status) : path_(qgetenv("PATH")) {
        if (status) {
            QFile script(folder_.filePath("xdg-open"));
            script.open(QIODevice::WriteOnly);
            script.write("#!/bin/sh\nprintf '%s' \"$1\" >\"" +
                         QFile::encodeName(folder_.filePath("handed")) + "\"\n" +
                         (*status == StaysRunning ? QByteArray("exec /bin/sleep 60\n")
                                                  : "exit " + QByteArray::number(*status) + "\n"));
            script.setPermissions(QFile::ReadOwner | QFile::ExeOwner);
        }
        qputenv("PATH", QFile::encodeName(folder_.path()));
    }
    StandInViewer(const StandInViewer&) = delete;
    StandInViewer& operator=(const StandInViewer&) = delete;
    ~StandInViewer() { qputenv("PATH", path_); }

    // What the viewer was handed; empty if it was not started.
    QByteArray Handed() const {
        QFile handed(folder_.filePath("handed"));
        return handed.open(QIODevice::ReadOnly) ? handed.readAll() : QByteArray();
    }

    // Waits for the viewer that owner started, if any, to end, and for what its end brings.
    static void AwaitEnd(const QObject& owner) {
        if (auto* viewer = owner.findChild<QProcess*>()) {
            viewer->waitForFinished(10000);
        }
    }

  private:
    QTemporaryDir folder_;
    QByteArray path_;
};
