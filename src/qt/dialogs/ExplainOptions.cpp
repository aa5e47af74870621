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
        {OptionsControl::Group1_Label1, ui.Group1_Label1},
        {OptionsControl::Group1_Edit1, ui.Group1_Edit1},
        {OptionsControl::Group1_Label2, ui.Group1_Label2},
        {OptionsControl::Group1_Edit2, ui.Group1_Edit2},
        {OptionsControl::Group1_Label3, ui.Group1_Label3},
        {OptionsControl::Group1_Edit3, ui.Group1_Edit3},
        {OptionsControl::Group1_Label4, ui.Group1_Label4},
        {OptionsControl::Group1_Edit4, ui.Group1_Edit4},
        {OptionsControl::Group1_CheckBox1, ui.Group1_CheckBox1},
        {OptionsControl::Group1_Label5, ui.Group1_Label5},
        {OptionsControl::Group1_ComboBox1, ui.Group1_ComboBox1},
        {OptionsControl::Group2_CheckBox1, ui.Group2_CheckBox1},
        {OptionsControl::Group2_CheckBox2, ui.Group2_CheckBox2},
        {OptionsControl::Group2_CheckBox3, ui.Group2_CheckBox3},
        {OptionsControl::Group2_CheckBox4, ui.Group2_CheckBox4},
        {OptionsControl::Button1, ui.Button1},
        {OptionsControl::Button2, ui.Button2},
        {OptionsControl::Button3, ui.Button3},
    };
    for (const auto& [control, widget] : widgets) {
        const QString text = Shown(ExplainOption(control));
        widget->setToolTip(text);
        widget->setWhatsThis(text);
    }
    ExplainPresets(*ui.Group1_ComboBox1);
}
