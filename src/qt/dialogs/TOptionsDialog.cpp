#include "qt/dialogs/TOptionsDialog.h"

#include <QCheckBox>
#include <QCoreApplication>
#include <QFontMetrics>
#include <QLineEdit>
#include <QShortcutEvent>
#include <QString>
#include <algorithm>
#include <cstdint>
#include <optional>
#include <utility>

#include "qt/desktop/ResultsHeading.h"
#include "qt/dialogs/ExplainOptions.h"
#include "qt/dialogs/FocusFrameStyle.h"
#include "qt/dialogs/TemplateScale.h"
#include "qt/dialogs/TextRoom.h"
#include "settings/ArrangementPresets.h"
#include "settings/IntegerText.h"
#include "ui_TOptionsDialog.h"

TOptionsDialog* OptionsDialog = nullptr;

namespace {

constexpr int TemplateClientWidth = 449;
constexpr int TemplateClientHeight = 409;
constexpr int DefaultPresetRow = 1;

// For the translators: the preset names as the settings code spells them (ArrangementPresets).
[[maybe_unused]] constexpr const char* PresetNames[] = {
    QT_TRANSLATE_NOOP("ArrangementPresets", "(None)"),
    QT_TRANSLATE_NOOP("ArrangementPresets", "Default"),
    QT_TRANSLATE_NOOP("ArrangementPresets", "Serene"),
    QT_TRANSLATE_NOOP("ArrangementPresets", "Cloudy"),
    QT_TRANSLATE_NOOP("ArrangementPresets", "Moderato"),
};

void ShowNumber(QLineEdit* edit, std::int32_t value) {
    edit->setText(QString::fromStdString(IntegerToText(value)));
}

// What the user typed, or the default when it is not a whole number: never the value the
// edit showed before, so a mistyped count cannot quietly keep an old setting.
std::int32_t NumberOr(const QLineEdit* edit, std::int32_t fallback) {
    return ParseIntegerOr(edit->text().toStdString(), fallback);
}

}  // namespace

TOptionsDialog::TOptionsDialog(QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::WindowTitleHint | Qt::WindowCloseButtonHint |
                          Qt::MSWindowsFixedSizeDialogHint),
      ui_(std::make_unique<Ui::TOptionsDialog>()) {
    ui_->setupUi(this);
    ScaleTemplate();
    FillPresetList();
    ExplainOptions(*ui_);
    MakeRoomForTexts();
    FocusFrameStyle::UseFor({ui_->Ok_Button, ui_->Cancel_Button, ui_->Default_Button}, this);
    SetDefaults();

    connect(ui_->Ok_Button, &QPushButton::clicked, this, [this] { done(ModalResult::Ok); });
    connect(ui_->Cancel_Button, &QPushButton::clicked, this, [this] { done(ModalResult::Cancel); });
    connect(ui_->Default_Button, &QPushButton::clicked, this, &TOptionsDialog::Default_ButtonClick);
    // Only the user's pick applies a preset; selecting an item from code must not.
    connect(ui_->Play_Arrange_ComboBox, &QComboBox::activated, this,
            &TOptionsDialog::Play_Arrange_ComboBoxChange);
    for (QCheckBox* box : {ui_->Play_Sound_CheckBox, ui_->System_RestoreRecord_CheckBox,
                           ui_->System_ClearRecord_CheckBox, ui_->System_RestorePosition_CheckBox,
                           ui_->System_StayOnTop_CheckBox}) {
        box->installEventFilter(this);
    }
}

bool TOptionsDialog::eventFilter(QObject* watched, QEvent* event) {
    // A check box's mnemonic would toggle it only after a 100 ms press animation: Alt+O and
    // Enter typed quickly would close the dialog with the old value. It toggles at once here.
    if (event->type() == QEvent::Shortcut) {
        auto* box = qobject_cast<QCheckBox*>(watched);
        const auto* shortcut = static_cast<QShortcutEvent*>(event);
        if (box != nullptr && box->isEnabled() && !shortcut->isAmbiguous()) {
            box->setFocus(Qt::ShortcutFocusReason);
            box->click();
            return true;
        }
    }
    return QDialog::eventFilter(watched, event);
}

TOptionsDialog::~TOptionsDialog() = default;

void TOptionsDialog::ScaleTemplate() {
    const double scale = TemplateScale(*this);
    // Child geometry is relative to its parent, so each control scales on its own.
    const QList<QWidget*> controls = {ui_->Ok_Button,
                                      ui_->Cancel_Button,
                                      ui_->Default_Button,
                                      ui_->Play_GroupBox,
                                      ui_->Play_Lumabels_Label,
                                      ui_->Play_Clouds_Label,
                                      ui_->Play_Speed_Label,
                                      ui_->Play_Message_Label,
                                      ui_->Play_Arrange_Label,
                                      ui_->Play_Lumabels_Edit,
                                      ui_->Play_Clouds_Edit,
                                      ui_->Play_Speed_Edit,
                                      ui_->Play_Message_Edit,
                                      ui_->Play_Sound_CheckBox,
                                      ui_->Play_Arrange_ComboBox,
                                      ui_->System_GroupBox,
                                      ui_->System_RestoreRecord_CheckBox,
                                      ui_->System_ClearRecord_CheckBox,
                                      ui_->System_RestorePosition_CheckBox,
                                      ui_->System_StayOnTop_CheckBox};
    for (QWidget* control : controls) {
        ScaleFromTemplate(*control, scale);
    }
    setFixedSize(ScaledFromTemplate(TemplateClientWidth, scale),
                 ScaledFromTemplate(TemplateClientHeight, scale));
}

void TOptionsDialog::FillPresetList() {
    ui_->Play_Arrange_ComboBox->clear();
    for (const ArrangementPreset& preset : ArrangementPresets) {
        const QByteArray name(preset.Name.data(), static_cast<qsizetype>(preset.Name.size()));
        ui_->Play_Arrange_ComboBox->addItem(
            QCoreApplication::translate("ArrangementPresets", name));
    }
}

void TOptionsDialog::MakeRoomForTexts() {
    // A translation may need more room than the template gives a text. Only what is too small
    // grows, and what lies to its right and below moves along, so an English dialog keeps the
    // template's geometry to the pixel.
    const QList<QWidget*> labels = {ui_->Play_Lumabels_Label, ui_->Play_Clouds_Label,
                                    ui_->Play_Speed_Label, ui_->Play_Message_Label,
                                    ui_->Play_Arrange_Label};
    const QList<QWidget*> fields = {ui_->Play_Lumabels_Edit, ui_->Play_Clouds_Edit,
                                    ui_->Play_Speed_Edit, ui_->Play_Message_Edit,
                                    ui_->Play_Arrange_ComboBox};
    const QList<QWidget*> checkBoxes = {
        ui_->Play_Sound_CheckBox, ui_->System_RestoreRecord_CheckBox,
        ui_->System_ClearRecord_CheckBox, ui_->System_RestorePosition_CheckBox,
        ui_->System_StayOnTop_CheckBox};
    const QList<QWidget*> groups = {ui_->Play_GroupBox, ui_->System_GroupBox};
    const QList<QWidget*> buttons = {ui_->Ok_Button, ui_->Cancel_Button, ui_->Default_Button};

    const int labelGrowth = MostMissing(labels);
    for (QWidget* label : labels) {
        label->resize(label->width() + labelGrowth, label->height());
    }
    const int fieldGrowth = MostMissing({ui_->Play_Arrange_ComboBox});
    for (QWidget* field : fields) {
        field->setGeometry(field->x() + labelGrowth, field->y(), field->width() + fieldGrowth,
                           field->height());
    }
    // The rows of the Play box and the check boxes end at one right edge.
    const int rowGrowth = std::max(labelGrowth + fieldGrowth, MostMissing(checkBoxes));
    int groupGrowth = rowGrowth;
    for (QWidget* group : groups) {
        group->resize(group->width() + rowGrowth, group->height());
    }
    const int titleGrowth = MostMissing(groups);
    groupGrowth += titleGrowth;
    for (QWidget* group : groups) {
        group->resize(group->width() + titleGrowth, group->height());
    }
    for (QWidget* box : checkBoxes) {
        box->resize(box->width() + groupGrowth, box->height());
    }
    const int buttonGrowth = MostMissing(buttons);
    for (QWidget* button : buttons) {
        button->setGeometry(button->x() + groupGrowth, button->y(), button->width() + buttonGrowth,
                            button->height());
    }
    setFixedSize(width() + groupGrowth + buttonGrowth, height());
}

int TOptionsDialog::MostMissing(const QList<QWidget*>& controls) {
    int most = 0;
    for (const QWidget* control : controls) {
        most = std::max(most, MissingWidth(*control));
    }
    return most;
}

void TOptionsDialog::SelectPreset(int row) {
    ui_->Play_Arrange_ComboBox->setCurrentIndex(row);
}

void TOptionsDialog::SetPlayOptions(AppPlayOptions options) {
    playOptions_ = std::move(options);
    ShowNumber(ui_->Play_Lumabels_Edit, playOptions_.NumLumabels);
    ShowNumber(ui_->Play_Clouds_Edit, playOptions_.NumClouds);
    ShowNumber(ui_->Play_Speed_Edit, playOptions_.Interval);
    ui_->Play_Message_Edit->setText(ResultsHeading::Shown(playOptions_.Message));
    ui_->Play_Sound_CheckBox->setChecked(playOptions_.SoundOn);
}

AppPlayOptions TOptionsDialog::GetPlayOptions() const {
    return playOptions_;
}

void TOptionsDialog::SetSystemOptions(AppSystemOptions options) {
    systemOptions_ = options;
    ui_->System_RestoreRecord_CheckBox->setChecked(systemOptions_.RestoreRecord);
    ui_->System_ClearRecord_CheckBox->setChecked(systemOptions_.ClearRecord);
    ui_->System_RestorePosition_CheckBox->setChecked(systemOptions_.RestorePosition);
    ui_->System_StayOnTop_CheckBox->setChecked(systemOptions_.StayOnTop);
}

AppSystemOptions TOptionsDialog::GetSystemOptions() const {
    return systemOptions_;
}

void TOptionsDialog::SetDefaults() {
    SetPlayOptions(AppPlayOptions{});
    SetSystemOptions(AppSystemOptions{});
    SelectPreset(DefaultPresetRow);
}

void TOptionsDialog::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    FormShow();
}

void TOptionsDialog::FormShow() {
    // The stored counts decide, not the edits: a preset picked and then edited by hand in
    // an earlier showing must not linger.
    SelectPreset(PresetForCounts(playOptions_.NumLumabels, playOptions_.NumClouds));
    // Enter at once accepts the options as they came in.
    ui_->Ok_Button->setFocus();
}

void TOptionsDialog::Play_Arrange_ComboBoxChange() {
    const std::optional<ArrangementPreset> preset =
        PresetCounts(ui_->Play_Arrange_ComboBox->currentIndex());
    if (!preset) {
        return;
    }
    ShowNumber(ui_->Play_Lumabels_Edit, preset->NumLumabels);
    ShowNumber(ui_->Play_Clouds_Edit, preset->NumClouds);
}

void TOptionsDialog::Default_ButtonClick() {
    SetDefaults();
}

void TOptionsDialog::done(int result) {
    setResult(result);
    if (isVisible()) {
        FormClose();
    }
    QDialog::done(result);
}

void TOptionsDialog::accept() {
    done(ModalResult::Ok);
}

void TOptionsDialog::reject() {
    done(ModalResult::Cancel);
}

void TOptionsDialog::FormClose() {
    if (result() != ModalResult::Ok) {
        return;
    }
    // Written back through the setters so that a text that did not parse now shows the
    // number that was actually taken.
    SetPlayOptions(PlayOptionsFromControls());
    SetSystemOptions(SystemOptionsFromControls());
}

AppPlayOptions TOptionsDialog::PlayOptionsFromControls() const {
    AppPlayOptions options;
    options.NumLumabels = NumberOr(ui_->Play_Lumabels_Edit, AppPlayOptions::DefaultNumLumabels);
    options.NumClouds = NumberOr(ui_->Play_Clouds_Edit, AppPlayOptions::DefaultNumClouds);
    options.Interval = NumberOr(ui_->Play_Speed_Edit, AppPlayOptions::DefaultInterval);
    options.Message = ResultsHeading::Stored(ui_->Play_Message_Edit->text());
    options.SoundOn = ui_->Play_Sound_CheckBox->isChecked();
    return options;
}

AppSystemOptions TOptionsDialog::SystemOptionsFromControls() const {
    AppSystemOptions options;
    options.RestoreRecord = ui_->System_RestoreRecord_CheckBox->isChecked();
    options.ClearRecord = ui_->System_ClearRecord_CheckBox->isChecked();
    options.RestorePosition = ui_->System_RestorePosition_CheckBox->isChecked();
    options.StayOnTop = ui_->System_StayOnTop_CheckBox->isChecked();
    return options;
}
