#include <QCheckBox>
#include <QLineEdit>
#include <QPlatformSurfaceEvent>
#include <QPushButton>
#include <QStringList>
#include <QTest>
#include <QWindow>
#include <fstream>
#include <sstream>

#include "app/PreparedGuiFixture.h"
#include "qt/dialogs/TOptionsDialog.h"
#include "settings/CurrentPlayOptions.h"

// The main window with a prepared settings file and the options dialog in place.
class GuiSettingsTest : public PreparedGuiFixture {
  protected:
    // Opens the options dialog, lets `edit` change it, then presses OK or Cancel.
    void RunOptions(const std::function<void(TOptionsDialog&)>& edit, const char* button) {
        WhileModalDo([this, edit, button] {
            edit(*options);
            options->findChild<QPushButton*>(button)->click();
        });
        Action("Game_Options_MItem")->trigger();
    }
    static void WhileModalDo(std::function<void()> inside) {
        QTimer::singleShot(0, [inside = std::move(inside)] { inside(); });
    }
};

TEST_F(GuiSettingsTest, LoadsAndClampsThePlayOptionsAndRestoresTheRecord) {
    StartWith("[Settings]\nPlayOptions=20,-3,0,,7\nSystemOptions=1,0,0,0\nOthers=57,8430,5,6\n");
    EXPECT_EQ(CurrentPlayOptions.NumLumabels, 16);
    EXPECT_EQ(CurrentPlayOptions.NumClouds, 0);
    EXPECT_EQ(CurrentPlayOptions.Interval, 1);
    EXPECT_EQ(CurrentPlayOptions.Message, "Results");
    EXPECT_TRUE(CurrentPlayOptions.SoundOn);
    EXPECT_EQ(World().GetRecordScore(), 57);
    EXPECT_EQ(World().GetRecordTime(), 8430);
    EXPECT_FALSE(MainWindowProbe::CurrentSystemOptions(*gui).RestorePosition);
}

TEST_F(GuiSettingsTest, ClearingThenRestoringKeepsTheFilesRecordAndSavesTheFlagUnset) {
    StartWith("[Settings]\nSystemOptions=1,1,1,1\nOthers=12,3400,0,0\n");
    EXPECT_EQ(World().GetRecordScore(), 12);
    EXPECT_EQ(World().GetRecordTime(), 3400);
    EXPECT_FALSE(MainWindowProbe::CurrentSystemOptions(*gui).ClearRecord);
    EXPECT_TRUE(gui->windowFlags().testFlag(Qt::WindowStaysOnTopHint));
    TearDown();
    EXPECT_NE(Contents(SettingsFilePath()).find("SystemOptions=1,0,1,1\n"), std::string::npos);
}

TEST_F(GuiSettingsTest, WithoutRestoreRecordTheFilesRecordIsNotLoadedAndIsOverwritten) {
    StartWith("[Settings]\nSystemOptions=0,0,0,1\nOthers=99,99000,0,0\n");
    EXPECT_EQ(World().GetRecordScore(), 0);
    World().SetRecords(3, 700);
    TearDown();
    EXPECT_NE(Contents(SettingsFilePath()).find("Others=3,700,"), std::string::npos);
}

TEST_F(GuiSettingsTest, SavesOnDestructionKeepingOtherSections) {
    StartWith("; mine\n[Mine]\nA=1\n");
    World().SetRecords(8, 1230);
    TearDown();
    const std::string saved = Contents(SettingsFilePath());
    EXPECT_EQ(saved.rfind("; mine\n[Mine]\nA=1\n[Settings]\nPlayOptions=9,2,100,Results,1\n"
                          "SystemOptions=1,0,1,0\nOthers=8,1230,",
                          0),
              0U);
}

TEST_F(GuiSettingsTest, OptionsWithOkAppliesAndReturnsToTheTitle) {
    StartWith("");
    Action("Game_New_MItem")->trigger();
    RunOptions(
        [](TOptionsDialog& dialog) {
            dialog.findChild<QLineEdit*>("Play_Lumabels_Edit")->setText("40");
            dialog.findChild<QLineEdit*>("Play_Speed_Edit")->setText("abc");
            dialog.findChild<QLineEdit*>("Play_Message_Edit")->setText("Done!");
        },
        "Ok_Button");
    EXPECT_EQ(MainWindowProbe::State(*gui), GameShell::Title);
    EXPECT_EQ(CurrentPlayOptions.NumLumabels, 16);
    EXPECT_EQ(CurrentPlayOptions.Interval, 100);
    EXPECT_EQ(CurrentPlayOptions.Message, "Done!");
}

TEST_F(GuiSettingsTest, OptionsWithCancelChangesNothingAndTheGameGoesOn) {
    StartWith("");
    Action("Game_New_MItem")->trigger();
    MainWindowProbe::Tick(*gui);
    RunOptions(
        [](TOptionsDialog& dialog) {
            dialog.findChild<QLineEdit*>("Play_Lumabels_Edit")->setText("3");
            dialog.findChild<QPushButton*>("Default_Button")->click();  // Default, then Cancel
        },
        "Cancel_Button");
    EXPECT_EQ(MainWindowProbe::State(*gui), GameShell::Playing);
    EXPECT_EQ(BandTop(), 197);
    EXPECT_EQ(CurrentPlayOptions.NumLumabels, 9);
    MainWindowProbe::Tick(*gui);
    EXPECT_EQ(BandTop(), 190);
}

// Default, then the dialog left without OK in each way a player can. The window starts from a
// file whose every option differs from its default, so a Cancel that took the dialog's
// (reset) options would show in the window and in the file it saves.
class GuiDefaultThenCancelTest : public GuiSettingsTest,
                                 public ::testing::WithParamInterface<const char*> {
  protected:
    void Leave(TOptionsDialog& dialog) const {
        const std::string way = GetParam();
        if (way == "Escape") {
            QTest::keyClick(dialog.focusWidget(), Qt::Key_Escape);
        } else if (way == "Cancel") {
            dialog.findChild<QPushButton*>("Cancel_Button")->click();
        } else {
            dialog.close();  // what the window's close button does
        }
    }
};

TEST_P(GuiDefaultThenCancelTest, DefaultThenCancelLeavesTheCallersOptionsAlone) {
    const std::string settings =
        "[Settings]\nPlayOptions=3,4,250,\"Well done\",0\nSystemOptions=0,0,0,1\n";
    StartWith(settings);
    Action("Game_New_MItem")->trigger();
    MainWindowProbe::Tick(*gui);
    QStringList shown;
    bool closed = false;
    WhileModalDo([&] {
        auto* lumabels = options->findChild<QLineEdit*>("Play_Lumabels_Edit");
        auto* stayOnTop = options->findChild<QCheckBox*>("System_StayOnTop_CheckBox");
        shown << lumabels->text() << QString::number(stayOnTop->isChecked());
        options->findChild<QPushButton*>("Default_Button")->click();
        shown << lumabels->text() << QString::number(stayOnTop->isChecked());
        Leave(*options);
        closed = !options->isVisible();
        if (!closed) {
            options->done(99);  // a failure, not a hang
        }
    });
    Action("Game_Options_MItem")->trigger();
    // The dialog showed the file's options, and Default really reset them.
    EXPECT_EQ(shown, QStringList({"3", "1", "9", "0"}));
    EXPECT_TRUE(closed);

    EXPECT_EQ(MainWindowProbe::State(*gui), GameShell::Playing);
    EXPECT_EQ(BandTop(), 197);
    EXPECT_EQ(CurrentPlayOptions.NumLumabels, 3);
    EXPECT_EQ(CurrentPlayOptions.NumClouds, 4);
    EXPECT_EQ(CurrentPlayOptions.Interval, 250);
    EXPECT_EQ(CurrentPlayOptions.Message, "Well done");
    EXPECT_FALSE(CurrentPlayOptions.SoundOn);
    const AppSystemOptions system = MainWindowProbe::CurrentSystemOptions(*gui);
    EXPECT_FALSE(system.RestoreRecord);
    EXPECT_FALSE(system.ClearRecord);
    EXPECT_FALSE(system.RestorePosition);
    EXPECT_TRUE(system.StayOnTop);
    EXPECT_TRUE(gui->windowFlags().testFlag(Qt::WindowStaysOnTopHint));

    TearDown();
    EXPECT_EQ(Contents(SettingsFilePath()).rfind(settings, 0), 0U) << Contents(SettingsFilePath());
}

INSTANTIATE_TEST_SUITE_P(OptionsCloseWays, GuiDefaultThenCancelTest,
                         ::testing::Values("Escape", "Cancel", "CloseButton"));

TEST_F(GuiSettingsTest, ClearRecordFromTheDialogClearsOnceAndComesBackUnchecked) {
    StartWith("[Settings]\nOthers=40,9000,0,0\n");
    RunOptions(
        [](TOptionsDialog& dialog) {
            dialog.findChild<QCheckBox*>("System_ClearRecord_CheckBox")->setChecked(true);
        },
        "Ok_Button");
    EXPECT_EQ(World().GetRecordScore(), 0);
    EXPECT_EQ(World().GetRecordTime(), 0);
    EXPECT_FALSE(MainWindowProbe::CurrentSystemOptions(*gui).ClearRecord);
    bool checkedOnReopen = true;
    RunOptions(
        [&](TOptionsDialog& dialog) {
            checkedOnReopen =
                dialog.findChild<QCheckBox*>("System_ClearRecord_CheckBox")->isChecked();
        },
        "Cancel_Button");
    EXPECT_FALSE(checkedOnReopen);
}

TEST_F(GuiSettingsTest, AStoredPositionIsTakenEvenAtTheOrigin) {
    // Before the first show the window is at 0, 0 only nominally: a move must still be made,
    // or the window manager would place the window elsewhere.
    StartWith("[Settings]\nOthers=0,0,0,0\n");
    EXPECT_TRUE(gui->testAttribute(Qt::WA_Moved));
    EXPECT_EQ(gui->pos(), QPoint(0, 0));
    TearDown();
    StartWith("[Settings]\nOthers=0,0,-30,-40\n");
    EXPECT_EQ(gui->pos(), QPoint(-30, -40));
}

TEST_F(GuiSettingsTest, WithoutAStoredPositionTheWindowManagerPlacesTheWindow) {
    StartWith("[Settings]\nOthers=5,600\n");
    EXPECT_FALSE(gui->testAttribute(Qt::WA_Moved));
    TearDown();
    StartWith("[Settings]\nSystemOptions=1,0,0,0\nOthers=5,600,70,80\n");  // not restored
    EXPECT_FALSE(gui->testAttribute(Qt::WA_Moved));
}

namespace {
// Counts what a window manager would see as the window going away: the widget hidden, or
// its native window destroyed.
class VanishingCounter : public QObject {
  public:
    int count = 0;
    bool eventFilter(QObject* /*watched*/, QEvent* event) override {
        if (event->type() == QEvent::Hide || event->type() == QEvent::WinIdChange) {
            ++count;
        }
        if (event->type() == QEvent::PlatformSurface &&
            static_cast<QPlatformSurfaceEvent*>(event)->surfaceEventType() ==
                QPlatformSurfaceEvent::SurfaceAboutToBeDestroyed) {
            ++count;
        }
        return false;
    }
};
}  // namespace

TEST_F(GuiSettingsTest, StayOnTopChangesTheShownWindowInPlace) {
    StartWith("[Settings]\nSystemOptions=1,0,1,1\n");
    gui->show();
    QWindow* const native = gui->windowHandle();
    ASSERT_NE(native, nullptr);
    EXPECT_TRUE(native->flags().testFlag(Qt::WindowStaysOnTopHint));
    VanishingCounter vanished;
    gui->installEventFilter(&vanished);
    native->installEventFilter(&vanished);
    for (const bool onTop : {false, true, false}) {
        AppSystemOptions system = MainWindowProbe::CurrentSystemOptions(*gui);
        system.StayOnTop = onTop;
        MainWindowProbe::ApplySystemOptions(*gui, system);
        QApplication::processEvents();
        // The same native window, never hidden: only its stacking changes.
        EXPECT_EQ(gui->windowHandle(), native);
        EXPECT_EQ(vanished.count, 0);
        EXPECT_TRUE(gui->isVisible());
        EXPECT_EQ(native->flags().testFlag(Qt::WindowStaysOnTopHint), onTop);
        EXPECT_EQ(gui->windowFlags().testFlag(Qt::WindowStaysOnTopHint), onTop);
    }
    gui->removeEventFilter(&vanished);
    native->removeEventFilter(&vanished);
}
