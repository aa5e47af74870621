#pragma once

#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QMenu>
#include <QTemporaryDir>
#include <QTimer>
#include <functional>
#include <memory>

#include "app/FastTickCounter.h"
#include "engine/Band.h"
#include "qt/process/ProgramGlobals.h"
#include "qt/window/MainWindow.h"
#include "settings/CurrentPlayOptions.h"
#include "support/MainWindowProbe.h"

// A main window whose pacing waits end at once, driven step by step by the test.
class GuiFixture : public ::testing::Test {
  protected:
    void SetUp() override {
        ASSERT_TRUE(folder.isValid());
        SettingsPath = folder.filePath("settings.ini").toStdString();
        ApplyPlayOptions(AppPlayOptions{});
        gui = std::make_unique<MainWindow>(ticks);
        Gui = gui.get();
    }
    void TearDown() override {
        Gui = nullptr;
        gui.reset();
        ApplyPlayOptions(AppPlayOptions{});
    }

    QAction* Action(const char* name) const { return gui->findChild<QAction*>(name); }
    QRgb Pixel(int x, int y) const {
        return MainWindowProbe::BackBuffer(*gui).pixel(x, y) & 0xFFFFFFU;
    }
    // The wake-up the game asked for comes, as its timer would bring it.
    void HandleTick() {
        if (MainWindowProbe::WakeUpArmed(*gui)) {
            MainWindowProbe::Wake(*gui);
        }
    }
    // The world of the window's game shell.
    ::World& World() const { return MainWindowProbe::World(*gui); }
    std::int32_t BandTop() const {
        Band band;
        World().GetLumabel(0, band);
        return band.Rect.Top;
    }
    // Runs `inside` as soon as a modal window or popup has opened, then closes it.
    static void WhileModal(std::function<void()> inside) {
        QTimer::singleShot(0, [inside = std::move(inside)] {
            inside();
            if (QWidget* popup = QApplication::activePopupWidget()) {
                popup->close();
            }
            if (QWidget* modal = QApplication::activeModalWidget()) {
                modal->close();
            }
        });
    }

    QTemporaryDir folder;  // each window reads and writes its own settings file
    FastTickCounter ticks;
    std::unique_ptr<MainWindow> gui;
};
