#pragma once

#include <QApplication>

#include "qt/process/DestroyedDialogCloser.h"

// The application object. An exception that escapes an event handler is shown in a message
// box and the program goes on, instead of ending it; a dialog whose window another program
// destroyed is closed.
class LumabelsApplication : public QApplication {
    Q_OBJECT

  public:
    LumabelsApplication(int& argc, char** argv);

    bool notify(QObject* receiver, QEvent* event) override;

    static void ShowException(const QString& message);

  private:
    DestroyedDialogCloser dialogCloser_;
};
