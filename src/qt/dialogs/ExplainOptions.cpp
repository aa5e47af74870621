#include "qt/dialogs/ExplainOptions.h"

#include <QCoreApplication>
#include <QString>
#include <cstdint>
#include <initializer_list>
#include <optional>

#include "settings/AppPlayOptions.h"
#include "settings/ArrangementPresets.h"
#include "ui_TOptionsDialog.h"

namespace {

// A number's text names its range (%1 to %2) and the default (%3) that a text which is no
// number counts as; a number outside the range is brought to the nearer end on OK.
const char* const LumabelsText = QT_TRANSLATE_NOOP(
    "TOptionsDialog",
    "How many lumabels are in play at once, from %1 to %2. A text that is not a number counts "
    "as the default, %3.");
const char* const CloudsText = QT_TRANSLATE_NOOP(
    "TOptionsDialog",
    "How many clouds are on the field at once, from %1 to %2. A text that is not a number "
    "counts as the default, %3.");
const char* const SpeedText = QT_TRANSLATE_NOOP(
    "TOptionsDialog",
    "The time between two steps of the game in milliseconds, from %1 to %2: larger is slower. "
    "A text that is not a number counts as the default, %3.");
const char* const MessageText =
    QT_TRANSLATE_NOOP("TOptionsDialog", "The heading of the results screen.");
const char* const SoundText =
    QT_TRANSLATE_NOOP("TOptionsDialog", "Plays a note for every point scored.");
const char* const ArrangeText =
    QT_TRANSLATE_NOOP("TOptionsDialog", "Sets the numbers of lumabels and clouds together.");
const char* const NoPresetText =
    QT_TRANSLATE_NOOP("TOptionsDialog", "Leaves the numbers as they are.");
const char* const PresetText =
    QT_TRANSLATE_NOOP("TOptionsDialog", "Sets Lumabels to %1 and Clouds to %2.");
const char* const RestoreRecordText = QT_TRANSLATE_NOOP(
    "TOptionsDialog", "At start, the best score and the best time are taken from the last run.");
const char* const ClearRecordText =
    QT_TRANSLATE_NOOP("TOptionsDialog", "On OK, the best score and the best time go back to 0.");
const char* const RestorePositionText = QT_TRANSLATE_NOOP(
    "TOptionsDialog", "At start, the window opens where it was when the game last closed.");
const char* const StayOnTopText =
    QT_TRANSLATE_NOOP("TOptionsDialog", "The game's window stays above other windows.");
const char* const OkText =
    QT_TRANSLATE_NOOP("TOptionsDialog", "Takes the options; a game under way ends.");
const char* const CancelText =
    QT_TRANSLATE_NOOP("TOptionsDialog", "Closes the dialog and changes nothing.");
const char* const DefaultText =
    QT_TRANSLATE_NOOP("TOptionsDialog", "Puts every option in the dialog back to its default.");

QString Tr(const char* text) {
    return QCoreApplication::translate("TOptionsDialog", text);
}

QString NumberText(const char* text, std::int32_t low, std::int32_t high, std::int32_t fallback) {
    return Tr(text).arg(low).arg(high).arg(fallback);
}

void Explain(std::initializer_list<QWidget*> widgets, const QString& text) {
    for (QWidget* widget : widgets) {
        widget->setToolTip(text);
        widget->setWhatsThis(text);
    }
}

void ExplainPresets(QComboBox& list) {
    list.setItemData(NoPreset, Tr(NoPresetText), Qt::ToolTipRole);
    for (int row = NoPreset + 1; row < list.count(); ++row) {
        if (const std::optional<ArrangementPreset> preset = PresetCounts(row)) {
            list.setItemData(row, Tr(PresetText).arg(preset->NumLumabels).arg(preset->NumClouds),
                             Qt::ToolTipRole);
        }
    }
}

}  // namespace

void ExplainOptions(Ui::TOptionsDialog& ui) {
    using Play = AppPlayOptions;
    Explain({ui.Group1_Label1, ui.Group1_Edit1},
            NumberText(LumabelsText, Play::MinNumLumabels, Play::MaxNumLumabels,
                       Play::DefaultNumLumabels));
    Explain({ui.Group1_Label2, ui.Group1_Edit2},
            NumberText(CloudsText, Play::MinNumClouds, Play::MaxNumClouds, Play::DefaultNumClouds));
    Explain({ui.Group1_Label3, ui.Group1_Edit3},
            NumberText(SpeedText, Play::MinInterval, Play::MaxInterval, Play::DefaultInterval));
    Explain({ui.Group1_Label4, ui.Group1_Edit4}, Tr(MessageText));
    Explain({ui.Group1_CheckBox1}, Tr(SoundText));
    Explain({ui.Group1_Label5, ui.Group1_ComboBox1}, Tr(ArrangeText));
    ExplainPresets(*ui.Group1_ComboBox1);
    Explain({ui.Group2_CheckBox1}, Tr(RestoreRecordText));
    Explain({ui.Group2_CheckBox2}, Tr(ClearRecordText));
    Explain({ui.Group2_CheckBox3}, Tr(RestorePositionText));
    Explain({ui.Group2_CheckBox4}, Tr(StayOnTopText));
    Explain({ui.Button1}, Tr(OkText));
    Explain({ui.Button2}, Tr(CancelText));
    Explain({ui.Button3}, Tr(DefaultText));
}
