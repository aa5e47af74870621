#include <gtest/gtest.h>

#include <QApplication>
#include <QMessageBox>
#include <QTemporaryDir>
#include <QTimer>
#include <stdexcept>

#include "app/FastTickCounter.h"
#include "qt/process/ProgramGlobals.h"
#include "qt/window/MainWindow.h"

namespace {
class Thrower : public QObject {
  public:
    bool event(QEvent* event) override {
        if (event->type() == QEvent::User) {
            throw std::runtime_error("the handler failed");
        }
        return QObject::event(event);
    }
};
}  // namespace

TEST(Application, AnExceptionFromAHandlerIsShownAndTheProgramGoesOn) {
    Thrower thrower;
    QString shown;
    QTimer::singleShot(0, [&] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        ASSERT_NE(box, nullptr);
        shown = box->text();
        box->close();
    });
    QEvent failing(QEvent::User);
    EXPECT_FALSE(QApplication::sendEvent(&thrower, &failing));
    EXPECT_EQ(shown, "the handler failed");

    // The program goes on: the next event is delivered and its box shown again.
    shown.clear();
    QTimer::singleShot(0, [&] {
        shown = QApplication::activeModalWidget() != nullptr ? "shown again" : "";
        QApplication::activeModalWidget()->close();
    });
    QApplication::sendEvent(&thrower, &failing);
    EXPECT_EQ(shown, "shown again");
}

TEST(Application, TheBoxBelongsToTheMainWindowWhileThereIsOne) {
    QTemporaryDir folder;
    SettingsPath = folder.filePath("settings.ini").toStdString();
    FastTickCounter ticks;
    MainWindow gui(ticks);
    Gui = &gui;
    Thrower thrower;
    QWidget* parent = nullptr;
    QTimer::singleShot(0, [&] {
        QWidget* box = QApplication::activeModalWidget();
        ASSERT_NE(box, nullptr);
        parent = box->parentWidget();
        box->close();
    });
    QEvent failing(QEvent::User);
    QApplication::sendEvent(&thrower, &failing);
    Gui = nullptr;
    EXPECT_EQ(parent, &gui);
}
