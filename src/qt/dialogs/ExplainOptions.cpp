#include "qt/dialogs/ExplainOptions.h"

#include <QCoreApplication>
#include <QString>
#include <cstdint>
#include <optional>
#include <utility>

#include "desktop/OptionExplanations.h"
#include "ui_TOptionsDialog.h"

namespace {

// Each arg() fills the lowest place left, so the arguments go in as %1, %2, ... in order.
QString Shown(const OptionExplanation& explanation) {
    QString text = QCoreApplication::translate(explanation.Text.Context, explanation.Text.Source);
    for (const std::int32_t argument : explanation.Arguments) {
        text = text.arg(argument);
    }
    return text;
}

void ExplainPresets(QComboBox& list) {
    for (int row = 0; row < list.count(); ++row) {
        if (const std::optional<OptionExplanation> explanation = ExplainPreset(row)) {
            list.setItemData(row, Shown(*explanation), Qt::ToolTipRole);
        }
    }
}

}  // namespace

void ExplainOptions(Ui::TOptionsDialog& ui) {
    const std::pair<OptionsControl, QWidget*> widgets[] = {
        {OptionsControl::Play_Lumabels_Label, ui.Play_Lumabels_Label},
        {OptionsControl::Play_Lumabels_Edit, ui.Play_Lumabels_Edit},
        {OptionsControl::Play_Clouds_Label, ui.Play_Clouds_Label},
        {OptionsControl::Play_Clouds_Edit, ui.Play_Clouds_Edit},
        {OptionsControl::Play_Speed_Label, ui.Play_Speed_Label},
        {OptionsControl::Play_Speed_Edit, ui.Play_Speed_Edit},
        {OptionsControl::Play_Message_Label, ui.Play_Message_Label},
        {OptionsControl::Play_Message_Edit, ui.Play_Message_Edit},
        {OptionsControl::Play_Sound_CheckBox, ui.Play_Sound_CheckBox},
        {OptionsControl::Play_Arrange_Label, ui.Play_Arrange_Label},
        {OptionsControl::Play_Arrange_ComboBox, ui.Play_Arrange_ComboBox},
        {OptionsControl::System_RestoreRecord_CheckBox, ui.System_RestoreRecord_CheckBox},
        {OptionsControl::System_ClearRecord_CheckBox, ui.System_ClearRecord_CheckBox},
        {OptionsControl::System_RestorePosition_CheckBox, ui.System_RestorePosition_CheckBox},
        {OptionsControl::System_StayOnTop_CheckBox, ui.System_StayOnTop_CheckBox},
        {OptionsControl::Ok_Button, ui.Ok_Button},
        {OptionsControl::Cancel_Button, ui.Cancel_Button},
        {OptionsControl::Default_Button, ui.Default_Button},
    };
    for (const auto& [control, widget] : widgets) {
        const QString text = Shown(ExplainOption(control));
        widget->setToolTip(text);
        widget->setWhatsThis(text);
    }
    ExplainPresets(*ui.Play_Arrange_ComboBox);
}
