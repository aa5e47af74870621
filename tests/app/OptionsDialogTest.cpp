#include <gtest/gtest.h>

#include <QAbstractItemView>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QFont>
#include <QFontMetrics>
#include <QGroupBox>
#include <QKeySequence>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>
#include <QStringList>
#include <QTest>
#include <QTimer>
#include <cmath>
#include <functional>
#include <ostream>
#include <tuple>
#include <utility>

#include "qt/dialogs/TOptionsDialog.h"
#include "settings/AppPlayOptions.h"
#include "settings/AppSystemOptions.h"

namespace {

// Returned when a test left the dialog open, so that a mistake fails instead of hanging.
constexpr int LeftOpen = 99;

// Replaces the edit's text the way a user does: focus it, select all, type over it.
void Type(QLineEdit* edit, const QString& text) {
    edit->setFocus();
    edit->selectAll();
    QTest::keyClick(edit, Qt::Key_Delete);
    QTest::keyClicks(edit, text);
}

AppPlayOptions SomePlayOptions() {
    AppPlayOptions options;
    options.NumLumabels = 3;
    options.NumClouds = 4;
    options.Interval = 250;
    options.Message = "Well done";
    options.SoundOn = false;
    return options;
}

// Every flag the opposite of its default.
AppSystemOptions SomeSystemOptions() {
    AppSystemOptions options;
    options.RestoreRecord = false;
    options.ClearRecord = true;
    options.RestorePosition = false;
    options.StayOnTop = true;
    return options;
}

AppPlayOptions PlayOptions(std::int32_t lumabels, std::int32_t clouds) {
    AppPlayOptions options;
    options.NumLumabels = lumabels;
    options.NumClouds = clouds;
    return options;
}

void ExpectSamePlay(const AppPlayOptions& actual, const AppPlayOptions& expected) {
    EXPECT_EQ(actual.NumLumabels, expected.NumLumabels);
    EXPECT_EQ(actual.NumClouds, expected.NumClouds);
    EXPECT_EQ(actual.Interval, expected.Interval);
    EXPECT_EQ(actual.Message, expected.Message);
    EXPECT_EQ(actual.SoundOn, expected.SoundOn);
}

void ExpectSameSystem(const AppSystemOptions& actual, const AppSystemOptions& expected) {
    EXPECT_EQ(actual.RestoreRecord, expected.RestoreRecord);
    EXPECT_EQ(actual.ClearRecord, expected.ClearRecord);
    EXPECT_EQ(actual.RestorePosition, expected.RestorePosition);
    EXPECT_EQ(actual.StayOnTop, expected.StayOnTop);
}

// The template's labels, edits, System check boxes and buttons in their order on the form, so
// that a test can count through them from 1.
constexpr const char* LabelNames[] = {"Play_Lumabels_Label", "Play_Clouds_Label",
                                      "Play_Speed_Label", "Play_Message_Label",
                                      "Play_Arrange_Label"};
constexpr const char* EditNames[] = {"Play_Lumabels_Edit", "Play_Clouds_Edit", "Play_Speed_Edit",
                                     "Play_Message_Edit"};
constexpr const char* SystemBoxNames[] = {
    "System_RestoreRecord_CheckBox", "System_ClearRecord_CheckBox",
    "System_RestorePosition_CheckBox", "System_StayOnTop_CheckBox"};
constexpr const char* ButtonNames[] = {"Ok_Button", "Cancel_Button", "Default_Button"};

}  // namespace

class OptionsDialogTest : public ::testing::Test {
  protected:
    void SetUp() override {
        for (int n = 1; n <= 4; ++n) {
            ASSERT_NE(Edit(n), nullptr) << n;
            ASSERT_NE(SystemBox(n), nullptr) << n;
        }
        for (int n = 1; n <= 3; ++n) {
            ASSERT_NE(Button(n), nullptr) << n;
        }
        ASSERT_NE(Combo(), nullptr);
        ASSERT_NE(SoundBox(), nullptr);
    }

    template <typename T>
    T* Find(const QString& name) const {
        return dialog.findChild<T*>(name);
    }
    QLineEdit* Edit(int n) const { return Find<QLineEdit>(EditNames[n - 1]); }
    QCheckBox* SoundBox() const { return Find<QCheckBox>("Play_Sound_CheckBox"); }
    QCheckBox* SystemBox(int n) const { return Find<QCheckBox>(SystemBoxNames[n - 1]); }
    QComboBox* Combo() const { return Find<QComboBox>("Play_Arrange_ComboBox"); }
    QPushButton* Button(int n) const { return Find<QPushButton>(ButtonNames[n - 1]); }
    QString FocusName() const {
        const QWidget* focus = dialog.focusWidget();
        return focus != nullptr ? focus->objectName() : QString();
    }
    QStringList EditTexts() const {
        return {Edit(1)->text(), Edit(2)->text(), Edit(3)->text(), Edit(4)->text()};
    }
    QList<bool> BoxStates() const {
        return {SoundBox()->isChecked(), SystemBox(1)->isChecked(), SystemBox(2)->isChecked(),
                SystemBox(3)->isChecked(), SystemBox(4)->isChecked()};
    }

    // Shows the dialog modally and runs `inside` once it is up; `inside` is expected to close
    // it the way a user would.
    int Exec(std::function<void()> inside) {
        QTimer::singleShot(0, [this, inside = std::move(inside)] {
            EXPECT_EQ(QApplication::activeModalWidget(), &dialog);
            inside();
            if (dialog.isVisible()) {
                dialog.done(LeftOpen);
            }
        });
        return dialog.exec();
    }
    int ExecAndPress(int key) {
        return Exec(
            [this, key] { QTest::keyClick(dialog.focusWidget(), static_cast<Qt::Key>(key)); });
    }
    QString PresetShownOnOpening() {
        QString shown;
        Exec([this, &shown] {
            shown = Combo()->currentText();
            QTest::keyClick(&dialog, Qt::Key_Escape);
        });
        return shown;
    }
    // The user's pick with the arrow keys on the closed list, one step at a time.
    void PickWithKeys(int row) {
        Combo()->setFocus();
        while (Combo()->currentIndex() < row) {
            QTest::keyClick(Combo(), Qt::Key_Down);
        }
        while (Combo()->currentIndex() > row) {
            QTest::keyClick(Combo(), Qt::Key_Up);
        }
    }
    // The user's pick from the opened list, which may be the item already shown.
    void PickFromList(int row) {
        Combo()->showPopup();
        QAbstractItemView* view = Combo()->view();
        view->setCurrentIndex(view->model()->index(row, 0));
        QTest::keyClick(view, Qt::Key_Return);
    }

    TOptionsDialog dialog;
};

TEST_F(OptionsDialogTest, StartsWithTheDefaults) {
    ExpectSamePlay(dialog.GetPlayOptions(), AppPlayOptions{});
    ExpectSameSystem(dialog.GetSystemOptions(), AppSystemOptions{});
    EXPECT_EQ(EditTexts(), QStringList({"9", "2", "100", "Results"}));
    EXPECT_EQ(BoxStates(), QList<bool>({true, true, false, true, false}));
    EXPECT_EQ(Combo()->currentText(), "Default");
}

TEST_F(OptionsDialogTest, ListsThePresetsInTableOrderAndAcceptsNoTyping) {
    QStringList items;
    for (int i = 0; i < Combo()->count(); ++i) {
        items << Combo()->itemText(i);
    }
    EXPECT_EQ(items, QStringList({"(None)", "Default", "Serene", "Cloudy", "Moderato"}));
    EXPECT_FALSE(Combo()->isEditable());
}

TEST_F(OptionsDialogTest, CaptionsAndGroups) {
    EXPECT_EQ(dialog.windowTitle(), "Options");
    EXPECT_EQ(Button(1)->text(), "OK");
    EXPECT_EQ(Button(2)->text(), "Cancel");
    EXPECT_EQ(Button(3)->text(), "Default");
    const auto* play = Find<QGroupBox>("Play_GroupBox");
    const auto* system = Find<QGroupBox>("System_GroupBox");
    ASSERT_TRUE(play && system);
    EXPECT_EQ(play->title(), "Play");
    EXPECT_EQ(system->title(), "System");
    EXPECT_EQ(Edit(1)->parentWidget(), play);
    EXPECT_EQ(Combo()->parentWidget(), play);
    EXPECT_EQ(SoundBox()->parentWidget(), play);
    EXPECT_EQ(SystemBox(4)->parentWidget(), system);
    EXPECT_EQ(Button(1)->parentWidget(), &dialog);
}

TEST_F(OptionsDialogTest, LabelsNameTheControlsTheirMnemonicsFocus) {
    const std::pair<const char*, const char*> expected[] = {
        {"&Lumabels :", "Play_Lumabels_Edit"},
        {"&Clouds :", "Play_Clouds_Edit"},
        {"&Speed :", "Play_Speed_Edit"},
        {"&Message :", "Play_Message_Edit"},
        {"&Arrange :", "Play_Arrange_ComboBox"}};
    for (int n = 1; n <= 5; ++n) {
        const auto* label = Find<QLabel>(LabelNames[n - 1]);
        ASSERT_NE(label, nullptr) << n;
        EXPECT_EQ(label->text(), expected[n - 1].first);
        ASSERT_NE(label->buddy(), nullptr) << n;
        EXPECT_EQ(label->buddy()->objectName(), expected[n - 1].second);
        EXPECT_TRUE(label->alignment() & Qt::AlignVCenter) << n;
    }
}

// Each control, and the label that names it, explains itself in a tooltip and the same
// words on Shift+F1; a number names its range and the default a text that is no number gives.
TEST_F(OptionsDialogTest, EveryControlSaysWhatItMeans) {
    for (QWidget* control : dialog.findChildren<QWidget*>()) {
        const QString name = control->objectName();
        if (!name.contains(QLatin1String("Edit")) && !name.contains(QLatin1String("Box")) &&
            !name.endsWith(QLatin1String("_Button")) && !name.contains(QLatin1String("Label"))) {
            continue;
        }
        if (qobject_cast<QGroupBox*>(control) != nullptr) {
            continue;
        }
        EXPECT_FALSE(control->toolTip().isEmpty()) << name.toStdString();
        EXPECT_EQ(control->whatsThis(), control->toolTip()) << name.toStdString();
    }
    using Play = AppPlayOptions;
    const std::tuple<int, int, int, int> numbers[] = {
        {1, Play::MinNumLumabels, Play::MaxNumLumabels, Play::DefaultNumLumabels},
        {2, Play::MinNumClouds, Play::MaxNumClouds, Play::DefaultNumClouds},
        {3, Play::MinInterval, Play::MaxInterval, Play::DefaultInterval}};
    for (const auto& [edit, low, high, fallback] : numbers) {
        const QString tip = Edit(edit)->toolTip();
        EXPECT_TRUE(tip.contains(QString("from %1 to %2").arg(low).arg(high))) << tip.toStdString();
        EXPECT_TRUE(tip.endsWith(
            QString("A text that is not a number counts as the default, %1.").arg(fallback)))
            << tip.toStdString();
    }
    EXPECT_TRUE(Edit(3)->toolTip().contains("milliseconds"));
    EXPECT_EQ(Find<QLabel>("Play_Speed_Label")->toolTip(), Edit(3)->toolTip());
    QStringList presets;
    for (int row = 0; row < Combo()->count(); ++row) {
        presets << Combo()->itemData(row, Qt::ToolTipRole).toString();
    }
    EXPECT_EQ(
        presets,
        QStringList({"Leaves the numbers as they are.", "Sets Lumabels to 9 and Clouds to 2.",
                     "Sets Lumabels to 12 and Clouds to 0.", "Sets Lumabels to 1 and Clouds to 6.",
                     "Sets Lumabels to 6 and Clouds to 1."}));
}

TEST_F(OptionsDialogTest, CheckBoxCaptionsCarryTheirMnemonics) {
    const std::pair<QCheckBox*, const char*> expected[] = {{SoundBox(), "Play S&ound"},
                                                           {SystemBox(1), "Restore R&ecord"},
                                                           {SystemBox(2), "Clear Recor&d"},
                                                           {SystemBox(3), "Restore &Position"},
                                                           {SystemBox(4), "Stay on &Top"}};
    const QKeySequence keys[] = {Qt::ALT | Qt::Key_O, Qt::ALT | Qt::Key_E, Qt::ALT | Qt::Key_D,
                                 Qt::ALT | Qt::Key_P, Qt::ALT | Qt::Key_T};
    for (int i = 0; i < 5; ++i) {
        EXPECT_EQ(expected[i].first->text(), expected[i].second);
        EXPECT_EQ(expected[i].first->shortcut(), keys[i]) << expected[i].second;
    }
}

TEST_F(OptionsDialogTest, AltWithALabelsLetterFocusesItsControl) {
    const std::pair<int, const char*> expected[] = {{Qt::Key_L, "Play_Lumabels_Edit"},
                                                    {Qt::Key_C, "Play_Clouds_Edit"},
                                                    {Qt::Key_S, "Play_Speed_Edit"},
                                                    {Qt::Key_M, "Play_Message_Edit"},
                                                    {Qt::Key_A, "Play_Arrange_ComboBox"}};
    QStringList focused;
    Exec([&] {
        // Shortcuts only reach the active window, which the offscreen platform never sets.
        QApplication::setActiveWindow(&dialog);
        for (const auto& [key, name] : expected) {
            QTest::keyClick(dialog.focusWidget(), static_cast<Qt::Key>(key), Qt::AltModifier);
            focused << FocusName();
        }
        QTest::keyClick(dialog.focusWidget(), Qt::Key_Escape);
    });
    EXPECT_EQ(focused, QStringList({"Play_Lumabels_Edit", "Play_Clouds_Edit", "Play_Speed_Edit",
                                    "Play_Message_Edit", "Play_Arrange_ComboBox"}));
}

TEST_F(OptionsDialogTest, ACheckBoxMnemonicThenEnterAtOnceKeepsTheToggle) {
    // Typed as fast as a player types: the toggle must be in before OK reads the boxes.
    const std::pair<int, QCheckBox*> boxes[] = {{Qt::Key_O, SoundBox()},
                                                {Qt::Key_E, SystemBox(1)},
                                                {Qt::Key_D, SystemBox(2)},
                                                {Qt::Key_P, SystemBox(3)},
                                                {Qt::Key_T, SystemBox(4)}};
    for (const auto& [key, box] : boxes) {
        dialog.SetPlayOptions(AppPlayOptions{});
        dialog.SetSystemOptions(AppSystemOptions{});
        const bool before = box->isChecked();
        const int result = Exec([&, key = key] {
            QApplication::setActiveWindow(&dialog);
            QTest::keyClick(dialog.focusWidget(), static_cast<Qt::Key>(key), Qt::AltModifier);
            QTest::keyClick(dialog.focusWidget(), Qt::Key_Return);
        });
        EXPECT_EQ(result, ModalResult::Ok) << box->objectName().toStdString();
        EXPECT_NE(box->isChecked(), before) << box->objectName().toStdString();
        const AppSystemOptions system = dialog.GetSystemOptions();
        const bool taken[] = {dialog.GetPlayOptions().SoundOn, system.RestoreRecord,
                              system.ClearRecord, system.RestorePosition, system.StayOnTop};
        const bool defaults[] = {true, true, false, true, false};
        int changed = 0;
        for (int i = 0; i < 5; ++i) {
            changed += taken[i] != defaults[i] ? 1 : 0;
        }
        EXPECT_EQ(changed, 1) << box->objectName().toStdString();
    }
}

TEST_F(OptionsDialogTest, TabVisitsTheButtonsThenPlayThenSystem) {
    QStringList visited;
    Exec([&] {
        visited << FocusName();
        for (int i = 0; i < 13; ++i) {
            QTest::keyClick(dialog.focusWidget(), Qt::Key_Tab);
            visited << FocusName();
        }
        QTest::keyClick(&dialog, Qt::Key_Escape);
    });
    EXPECT_EQ(
        visited,
        QStringList({"Ok_Button", "Cancel_Button", "Default_Button", "Play_Lumabels_Edit",
                     "Play_Clouds_Edit", "Play_Speed_Edit", "Play_Message_Edit",
                     "Play_Sound_CheckBox", "Play_Arrange_ComboBox",
                     "System_RestoreRecord_CheckBox", "System_ClearRecord_CheckBox",
                     "System_RestorePosition_CheckBox", "System_StayOnTop_CheckBox", "Ok_Button"}));
}

TEST_F(OptionsDialogTest, OkIsTheDefaultButton) {
    EXPECT_TRUE(Button(1)->isDefault());
    EXPECT_FALSE(Button(2)->isDefault());
    EXPECT_FALSE(Button(3)->isDefault());
}

// The figures below are worked out by hand from the template (drawn for 18 px text) and the
// test font's 14 px text (DejaVu Sans 9 pt at 96 dpi): every number times 14 / 18, to the
// nearest pixel.
TEST_F(OptionsDialogTest, HasAFixedSizeScaledFromTheTemplate) {
    ASSERT_EQ(QFontMetrics(dialog.font()).height(), 14) << "the figures are for 14 px text";
    EXPECT_EQ(dialog.size(), QSize(349, 318));  // 449 x 409
    EXPECT_EQ(dialog.minimumSize(), dialog.size());
    EXPECT_EQ(dialog.maximumSize(), dialog.size());
    // 16, 240, 297, 153
    EXPECT_EQ(Find<QGroupBox>("System_GroupBox")->geometry(), QRect(12, 187, 231, 119));
    EXPECT_EQ(Combo()->geometry(), QRect(118, 143, 100, 20));     // 152, 184, 129, 26
    EXPECT_EQ(Button(2)->geometry(), QRect(261, 44, 75, 26));     // 336, 56, 97, 33
    EXPECT_EQ(SystemBox(4)->geometry(), QRect(12, 93, 206, 19));  // 16, 120, 265, 25
}

TEST(OptionsDialogScaling, FollowsALargerFont) {
    // 30 px letters make 35 px text: every template number times 35 / 18.
    const QFont original = QApplication::font();
    QFont large = original;
    large.setPixelSize(30);
    QApplication::setFont(large);
    const TOptionsDialog dialog;
    QApplication::setFont(original);
    ASSERT_EQ(QFontMetrics(dialog.font()).height(), 35) << "the figures are for 35 px text";
    const auto* edit = dialog.findChild<QLineEdit*>("Play_Message_Edit");
    ASSERT_NE(edit, nullptr);
    EXPECT_EQ(edit->geometry(), QRect(296, 233, 251, 51));  // 152, 120, 129, 26
    EXPECT_EQ(dialog.width(), 873);                         // 449
}

TEST_F(OptionsDialogTest, OpensInTheMiddleOfTheScreen) {
    QPoint centre;
    QPoint screenCentre;
    Exec([&] {
        centre = dialog.frameGeometry().center();
        screenCentre = dialog.screen()->availableGeometry().center();
        QTest::keyClick(&dialog, Qt::Key_Escape);
    });
    EXPECT_LE(std::abs(centre.x() - screenCentre.x()), 1);
    EXPECT_LE(std::abs(centre.y() - screenCentre.y()), 1);
}

TEST_F(OptionsDialogTest, SetPlayOptionsWritesTheControlsAsGiven) {
    AppPlayOptions options = SomePlayOptions();
    options.NumLumabels = -5;
    options.NumClouds = 500;
    dialog.SetPlayOptions(options);
    EXPECT_EQ(EditTexts(), QStringList({"-5", "500", "250", "Well done"}));
    EXPECT_FALSE(SoundBox()->isChecked());
    EXPECT_EQ(Combo()->currentText(), "Default") << "the selection is left alone";
    ExpectSamePlay(dialog.GetPlayOptions(), options);
}

TEST_F(OptionsDialogTest, SetSystemOptionsChecksTheBoxes) {
    dialog.SetSystemOptions(SomeSystemOptions());
    EXPECT_EQ(BoxStates(), QList<bool>({true, false, true, false, true}));
    ExpectSameSystem(dialog.GetSystemOptions(), SomeSystemOptions());
}

struct PresetCase {
    std::int32_t lumabels;
    std::int32_t clouds;
    const char* shown;
};

void PrintTo(const PresetCase& c, std::ostream* out) {
    *out << "(" << c.lumabels << ", " << c.clouds << ")";
}

class OptionsDialogPresetTest : public OptionsDialogTest,
                                public ::testing::WithParamInterface<PresetCase> {};

TEST_P(OptionsDialogPresetTest, ShowingSelectsThePresetOfTheStoredCounts) {
    dialog.SetPlayOptions(PlayOptions(GetParam().lumabels, GetParam().clouds));
    EXPECT_EQ(PresetShownOnOpening(), GetParam().shown);
}

INSTANTIATE_TEST_SUITE_P(OptionsCounts, OptionsDialogPresetTest,
                         ::testing::Values(PresetCase{9, 2, "Default"}, PresetCase{12, 0, "Serene"},
                                           PresetCase{1, 6, "Cloudy"}, PresetCase{6, 1, "Moderato"},
                                           PresetCase{9, 3, "(None)"}, PresetCase{0, 0, "(None)"}));

TEST_F(OptionsDialogTest, ShowingLooksAtTheStoredCountsNotTheEdits) {
    dialog.SetPlayOptions(PlayOptions(12, 0));
    Edit(1)->setText("9");
    Edit(2)->setText("2");
    EXPECT_EQ(PresetShownOnOpening(), "Serene");
    // Selecting the preset on opening is not a pick: the typed counts stay.
    EXPECT_EQ(Edit(1)->text(), "9");
    EXPECT_EQ(Edit(2)->text(), "2");
}

TEST_F(OptionsDialogTest, OpensWithTheFocusOnOk) {
    QString focus;
    Exec([&] {
        focus = FocusName();
        QTest::keyClick(&dialog, Qt::Key_Escape);
    });
    EXPECT_EQ(focus, "Ok_Button");
}

TEST_F(OptionsDialogTest, EnterRightAfterOpeningAcceptsUnchanged) {
    AppPlayOptions options = SomePlayOptions();
    options.NumLumabels = 500;
    dialog.SetPlayOptions(options);
    dialog.SetSystemOptions(SomeSystemOptions());
    EXPECT_EQ(ExecAndPress(Qt::Key_Return), ModalResult::Ok);
    ExpectSamePlay(dialog.GetPlayOptions(), options);
    ExpectSameSystem(dialog.GetSystemOptions(), SomeSystemOptions());
}

TEST_F(OptionsDialogTest, EnterInAnEditAcceptsWhatWasTyped) {
    const int result = Exec([this] {
        Type(Edit(3), "40");
        QTest::keyClick(Edit(3), Qt::Key_Return);
    });
    EXPECT_EQ(result, ModalResult::Ok);
    EXPECT_EQ(dialog.GetPlayOptions().Interval, 40);
}

TEST_F(OptionsDialogTest, PickingNoneChangesNothing) {
    dialog.SetPlayOptions(PlayOptions(9, 2));
    QStringList before;
    QStringList after;
    Exec([&] {
        Type(Edit(1), "7");
        Type(Edit(2), "5");
        before = EditTexts();
        PickWithKeys(0);
        EXPECT_EQ(Combo()->currentText(), "(None)");
        after = EditTexts();
        QTest::keyClick(&dialog, Qt::Key_Escape);
    });
    EXPECT_EQ(after, before);
}

TEST_F(OptionsDialogTest, PickingAPresetChangesOnlyTheTwoCounts) {
    dialog.SetPlayOptions(SomePlayOptions());
    dialog.SetSystemOptions(SomeSystemOptions());
    QStringList texts;
    QList<bool> boxes;
    const int result = Exec([&] {
        PickWithKeys(2);
        texts = EditTexts();
        boxes = BoxStates();
        QTest::keyClick(&dialog, Qt::Key_Escape);
    });
    EXPECT_EQ(result, ModalResult::Cancel);
    EXPECT_EQ(texts, QStringList({"12", "0", "250", "Well done"}));
    EXPECT_EQ(boxes, QList<bool>({false, false, true, false, true}));
    ExpectSamePlay(dialog.GetPlayOptions(), SomePlayOptions());
    ExpectSameSystem(dialog.GetSystemOptions(), SomeSystemOptions());
}

TEST_F(OptionsDialogTest, EachPresetPickedFromTheListGivesItsCounts) {
    const std::pair<int, QStringList> expected[] = {
        {1, {"9", "2"}}, {2, {"12", "0"}}, {3, {"1", "6"}}, {4, {"6", "1"}}};
    for (const auto& [row, counts] : expected) {
        QStringList shown;
        Exec([&, row = row] {
            PickFromList(row);
            shown = {Edit(1)->text(), Edit(2)->text()};
            QTest::keyClick(&dialog, Qt::Key_Escape);
        });
        EXPECT_EQ(shown, counts) << row;
    }
}

TEST_F(OptionsDialogTest, PickingTheShownPresetAgainRestoresItsCounts) {
    QStringList shown;
    Exec([&] {
        Type(Edit(1), "4");
        PickFromList(1);
        shown = {Edit(1)->text(), Edit(2)->text()};
        QTest::keyClick(&dialog, Qt::Key_Escape);
    });
    EXPECT_EQ(shown, QStringList({"9", "2"}));
}

TEST_F(OptionsDialogTest, SelectingFromCodeIsNotAPick) {
    for (int row = 0; row < 5; ++row) {
        Combo()->setCurrentIndex(row);
        EXPECT_EQ(Edit(1)->text(), "9") << row;
        EXPECT_EQ(Edit(2)->text(), "2") << row;
    }
}

TEST_F(OptionsDialogTest, AHandEditedPresetStaysShownUntilTheNextOpening) {
    QString shownAfterEdit;
    const int result = Exec([&] {
        PickWithKeys(2);
        Type(Edit(1), "7");
        shownAfterEdit = Combo()->currentText();
        QTest::keyClick(dialog.focusWidget(), Qt::Key_Return);
    });
    EXPECT_EQ(result, ModalResult::Ok);
    EXPECT_EQ(shownAfterEdit, "Serene");
    EXPECT_EQ(dialog.GetPlayOptions().NumLumabels, 7);
    EXPECT_EQ(dialog.GetPlayOptions().NumClouds, 0);
    EXPECT_EQ(PresetShownOnOpening(), "(None)");
}

TEST_F(OptionsDialogTest, OkWithLettersInACountTakesTheDefaultAndShowsIt) {
    dialog.SetPlayOptions(PlayOptions(5, 2));
    const int result = Exec([this] {
        Type(Edit(1), "many");
        Button(1)->click();
    });
    EXPECT_EQ(result, ModalResult::Ok);
    EXPECT_EQ(dialog.GetPlayOptions().NumLumabels, 9) << "the default, not the value shown before";
    EXPECT_EQ(Edit(1)->text(), "9");
}

TEST_F(OptionsDialogTest, OkWithAnEmptyIntervalTakesTheDefault) {
    dialog.SetPlayOptions(SomePlayOptions());
    const int result = Exec([this] {
        Type(Edit(3), "");
        Button(1)->click();
    });
    EXPECT_EQ(result, ModalResult::Ok);
    EXPECT_EQ(dialog.GetPlayOptions().Interval, 100);
    EXPECT_EQ(Edit(3)->text(), "100");
}

struct ParseCase {
    const char* text;
    std::int32_t lumabels;  // what Play_Lumabels_Edit yields; its default is 9
};

void PrintTo(const ParseCase& c, std::ostream* out) {
    *out << '"' << c.text << '"';
}

class OptionsDialogParseTest : public OptionsDialogTest,
                               public ::testing::WithParamInterface<ParseCase> {};

TEST_P(OptionsDialogParseTest, OkReadsTheCountLikeTheSettingsFile) {
    Edit(1)->setText(GetParam().text);
    EXPECT_EQ(Exec([this] { Button(1)->click(); }), ModalResult::Ok);
    EXPECT_EQ(dialog.GetPlayOptions().NumLumabels, GetParam().lumabels);
}

INSTANTIATE_TEST_SUITE_P(
    OptionsTexts, OptionsDialogParseTest,
    ::testing::Values(ParseCase{" 12", 12}, ParseCase{"   12", 12}, ParseCase{"12 ", 9},
                      ParseCase{"1.5", 9}, ParseCase{"+7", 7}, ParseCase{"-3", -3},
                      ParseCase{"$1F", 31}, ParseCase{"0x10", 16}, ParseCase{"x10", 16},
                      ParseCase{"X1a", 26}, ParseCase{"0XfF", 255}, ParseCase{"0xFFFFFFFF", -1},
                      ParseCase{"2147483647", 2147483647}, ParseCase{"2147483648", 9},
                      ParseCase{"0x100000000", 9}, ParseCase{"", 9}, ParseCase{"twelve", 9}));

TEST_F(OptionsDialogTest, EachNumberFallsBackToItsOwnDefault) {
    dialog.SetPlayOptions(SomePlayOptions());
    for (int n = 1; n <= 3; ++n) {
        Edit(n)->setText("?");
    }
    EXPECT_EQ(Exec([this] { Button(1)->click(); }), ModalResult::Ok);
    EXPECT_EQ(dialog.GetPlayOptions().NumLumabels, 9);
    EXPECT_EQ(dialog.GetPlayOptions().NumClouds, 2);
    EXPECT_EQ(dialog.GetPlayOptions().Interval, 100);
    EXPECT_EQ(EditTexts(), QStringList({"9", "2", "100", "Well done"}));
}

TEST_F(OptionsDialogTest, OkTakesTheMessageExactlyAsTyped) {
    for (const QString& message :
         {QString(), QString("  Spaced out  "), QString::fromUtf8("R\u00e9sultats \u2713"),
          QString(40000, QChar('x'))}) {
        Edit(4)->setText(message);
        EXPECT_EQ(Exec([this] { Button(1)->click(); }), ModalResult::Ok);
        EXPECT_EQ(dialog.GetPlayOptions().Message, message.toStdString());
        EXPECT_EQ(Edit(4)->text(), message);
    }
}

TEST_F(OptionsDialogTest, OkStoresOutOfRangeNumbersAsTyped) {
    const int result = Exec([this] {
        Type(Edit(1), "0");
        Type(Edit(2), "500");
        Type(Edit(3), "-5");
        QTest::keyClick(dialog.focusWidget(), Qt::Key_Return);
    });
    EXPECT_EQ(result, ModalResult::Ok);
    EXPECT_EQ(dialog.GetPlayOptions().NumLumabels, 0);
    EXPECT_EQ(dialog.GetPlayOptions().NumClouds, 500);
    EXPECT_EQ(dialog.GetPlayOptions().Interval, -5);
    EXPECT_EQ(EditTexts(), QStringList({"0", "500", "-5", "Results"}));
}

TEST_F(OptionsDialogTest, OkTakesEveryCheckBox) {
    const int result = Exec([this] {
        for (QCheckBox* box :
             {SoundBox(), SystemBox(1), SystemBox(2), SystemBox(3), SystemBox(4)}) {
            box->click();
        }
        Button(1)->click();
    });
    EXPECT_EQ(result, ModalResult::Ok);
    EXPECT_FALSE(dialog.GetPlayOptions().SoundOn);
    ExpectSameSystem(dialog.GetSystemOptions(), SomeSystemOptions());
}

TEST_F(OptionsDialogTest, GettersGiveTheStoredRecordsUntilOk) {
    dialog.SetPlayOptions(SomePlayOptions());
    dialog.SetSystemOptions(SomeSystemOptions());
    Edit(1)->setText("11");
    Edit(4)->setText("Typed");
    SoundBox()->setChecked(true);
    SystemBox(4)->setChecked(false);
    ExpectSamePlay(dialog.GetPlayOptions(), SomePlayOptions());
    ExpectSameSystem(dialog.GetSystemOptions(), SomeSystemOptions());

    EXPECT_EQ(Exec([this] { Button(1)->click(); }), ModalResult::Ok);
    EXPECT_EQ(dialog.GetPlayOptions().NumLumabels, 11);
    EXPECT_EQ(dialog.GetPlayOptions().Message, "Typed");
    EXPECT_TRUE(dialog.GetPlayOptions().SoundOn);
    EXPECT_FALSE(dialog.GetSystemOptions().StayOnTop);
}

TEST_F(OptionsDialogTest, DefaultResetsEverythingAndStaysOpen) {
    dialog.SetPlayOptions(SomePlayOptions());
    dialog.SetSystemOptions(SomeSystemOptions());
    bool stillOpen = false;
    QStringList texts;
    QList<bool> boxes;
    QString preset;
    Exec([&] {
        PickWithKeys(0);
        Button(3)->click();
        stillOpen = dialog.isVisible();
        texts = EditTexts();
        boxes = BoxStates();
        preset = Combo()->currentText();
        Button(2)->click();
    });
    EXPECT_TRUE(stillOpen);
    EXPECT_EQ(texts, QStringList({"9", "2", "100", "Results"}));
    EXPECT_EQ(boxes, QList<bool>({true, true, false, true, false}));
    EXPECT_EQ(preset, "Default");
}

TEST_F(OptionsDialogTest, DefaultThenOkGivesAllDefaults) {
    dialog.SetPlayOptions(SomePlayOptions());
    dialog.SetSystemOptions(SomeSystemOptions());
    const int result = Exec([this] {
        Button(3)->click();
        Button(1)->click();
    });
    EXPECT_EQ(result, ModalResult::Ok);
    ExpectSamePlay(dialog.GetPlayOptions(), AppPlayOptions{});
    ExpectSameSystem(dialog.GetSystemOptions(), AppSystemOptions{});
}

class OptionsDialogCloseTest : public OptionsDialogTest,
                               public ::testing::WithParamInterface<const char*> {
  protected:
    void CloseTheWay(const std::string& way) {
        if (way == "Escape") {
            QTest::keyClick(dialog.focusWidget(), Qt::Key_Escape);
        } else if (way == "Cancel") {
            Button(2)->click();
        } else {
            dialog.close();  // what the window's close button does
        }
    }
};

TEST_P(OptionsDialogCloseTest, GivesTwoAndTakesNothingFromTheControls) {
    dialog.SetPlayOptions(SomePlayOptions());
    dialog.SetSystemOptions(SomeSystemOptions());
    const int result = Exec([this] {
        Type(Edit(1), "junk");
        Type(Edit(3), "7");
        for (QCheckBox* box : {SoundBox(), SystemBox(1), SystemBox(4)}) {
            box->click();
        }
        CloseTheWay(GetParam());
    });
    EXPECT_EQ(result, ModalResult::Cancel);
    EXPECT_FALSE(dialog.isVisible());
    ExpectSamePlay(dialog.GetPlayOptions(), SomePlayOptions());
    ExpectSameSystem(dialog.GetSystemOptions(), SomeSystemOptions());
    // Nothing was written back either: the controls keep what was typed.
    EXPECT_EQ(Edit(1)->text(), "junk");
    EXPECT_EQ(Edit(3)->text(), "7");
}

// Default resets the dialog's own records at once; only the result tells the caller that
// they are not to be taken.
TEST_P(OptionsDialogCloseTest, AfterDefaultStillGivesTwo) {
    dialog.SetPlayOptions(SomePlayOptions());
    dialog.SetSystemOptions(SomeSystemOptions());
    bool openAfterDefault = false;
    const int result = Exec([&] {
        Button(3)->click();
        openAfterDefault = dialog.isVisible();
        CloseTheWay(GetParam());
    });
    EXPECT_TRUE(openAfterDefault);
    EXPECT_EQ(result, ModalResult::Cancel);
    EXPECT_FALSE(dialog.isVisible());
}

INSTANTIATE_TEST_SUITE_P(OptionsCloseWays, OptionsDialogCloseTest,
                         ::testing::Values("Escape", "Cancel", "CloseButton"));
