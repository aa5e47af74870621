#pragma once

#include <QApplication>

// The application object. An exception that escapes an event handler is shown in a message
// box and the program goes on, instead of ending it.
class LumabelsApplication : public QApplication {
    Q_OBJECT

  public:
    LumabelsApplication(int& argc, char** argv);

    bool notify(QObject* receiver, QEvent* event) override;

    static void ShowException(const QString& message);
};
