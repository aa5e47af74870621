#include "qt/desktop/HelpViewer.h"

#include <QElapsedTimer>
#include <QProcess>
#include <QUrl>

HelpViewer::HelpViewer(std::chrono::milliseconds handOverTime) : handOverTime_(handOverTime) {}

HelpViewer::~HelpViewer() {
    for (QProcess* viewer : findChildren<QProcess*>()) {
        disconnect(viewer, nullptr, this, nullptr);
        viewer->kill();
        viewer->waitForFinished();
    }
}

void HelpViewer::Open(const QString& path) {
    // Owned by this object until it has ended.
    auto* viewer = new QProcess(this);
    viewer->setProgram(QString::fromLatin1(Program));
    viewer->setArguments({QString::fromLatin1(QUrl::fromLocalFile(path).toEncoded())});
    // What the viewer has to say goes to the game's own terminal; it gets no input to wait on.
    viewer->setProcessChannelMode(QProcess::ForwardedChannels);
    viewer->setStandardInputFile(QProcess::nullDevice());
    QElapsedTimer asked;
    asked.start();
    connect(viewer, &QProcess::finished, this,
            [this, viewer, path, asked](int code, QProcess::ExitStatus status) {
                viewer->deleteLater();
                const bool handingOver =
                    std::chrono::nanoseconds(asked.nsecsElapsed()) <= handOverTime_;
                if ((status != QProcess::NormalExit || code != 0) && handingOver) {
                    emit Failed(path);
                }
            });
    connect(viewer, &QProcess::errorOccurred, this,
            [this, viewer, path](QProcess::ProcessError error) {
                if (error == QProcess::FailedToStart) {
                    viewer->deleteLater();
                    emit Failed(path);
                }
            });
    viewer->start();
}
