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
    MakeRoomForTexts();
    FocusFrameStyle::UseFor({ui_->Button1, ui_->Button2, ui_->Button3}, this);
    SetDefaults();

    connect(ui_->Button1, &QPushButton::clicked, this, [this] { done(ModalResult::Ok); });
    connect(ui_->Button2, &QPushButton::clicked, this, [this] { done(ModalResult::Cancel); });
    connect(ui_->Button3, &QPushButton::clicked, this, &TOptionsDialog::Button3Click);
    // Only the user's pick applies a preset; selecting an item from code must not.
    connect(ui_->Group1_ComboBox1, &QComboBox::activated, this,
            &TOptionsDialog::Group1_ComboBox1Change);
    for (QCheckBox* box : {ui_->Group1_CheckBox1, ui_->Group2_CheckBox1, ui_->Group2_CheckBox2,
                           ui_->Group2_CheckBox3, ui_->Group2_CheckBox4}) {
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
    const QList<QWidget*> controls = {
        ui_->Button1,          ui_->Button2,          ui_->Button3,          ui_->Group1_GroupBox1,
        ui_->Group1_Label1,    ui_->Group1_Label2,    ui_->Group1_Label3,    ui_->Group1_Label4,
        ui_->Group1_Label5,    ui_->Group1_Edit1,     ui_->Group1_Edit2,     ui_->Group1_Edit3,
        ui_->Group1_Edit4,     ui_->Group1_CheckBox1, ui_->Group1_ComboBox1, ui_->Group2_GroupBox2,
        ui_->Group2_CheckBox1, ui_->Group2_CheckBox2, ui_->Group2_CheckBox3, ui_->Group2_CheckBox4};
    for (QWidget* control : controls) {
        ScaleFromTemplate(*control, scale);
    }
    setFixedSize(ScaledFromTemplate(TemplateClientWidth, scale),
                 ScaledFromTemplate(TemplateClientHeight, scale));
}

void TOptionsDialog::FillPresetList() {
    ui_->Group1_ComboBox1->clear();
    for (const ArrangementPreset& preset : ArrangementPresets) {
        const QByteArray name(preset.Name.data(), static_cast<qsizetype>(preset.Name.size()));
        ui_->Group1_ComboBox1->addItem(QCoreApplication::translate("ArrangementPresets", name));
    }
}

void TOptionsDialog::MakeRoomForTexts() {
    // A translation may need more room than the template gives a text. Only what is too small
    // grows, and what lies to its right and below moves along, so an English dialog keeps the
    // template's geometry to the pixel.
    const QList<QWidget*> labels = {ui_->Group1_Label1, ui_->Group1_Label2, ui_->Group1_Label3,
                                    ui_->Group1_Label4, ui_->Group1_Label5};
    const QList<QWidget*> fields = {ui_->Group1_Edit1, ui_->Group1_Edit2, ui_->Group1_Edit3,
                                    ui_->Group1_Edit4, ui_->Group1_ComboBox1};
    const QList<QWidget*> checkBoxes = {ui_->Group1_CheckBox1, ui_->Group2_CheckBox1,
                                        ui_->Group2_CheckBox2, ui_->Group2_CheckBox3,
                                        ui_->Group2_CheckBox4};
    const QList<QWidget*> groups = {ui_->Group1_GroupBox1, ui_->Group2_GroupBox2};
    const QList<QWidget*> buttons = {ui_->Button1, ui_->Button2, ui_->Button3};

    const int labelGrowth = MostMissing(labels);
    for (QWidget* label : labels) {
        label->resize(label->width() + labelGrowth, label->height());
    }
    const int fieldGrowth = MostMissing({ui_->Group1_ComboBox1});
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
    ui_->Group1_ComboBox1->setCurrentIndex(row);
}

void TOptionsDialog::SetPlayOptions(AppPlayOptions options) {
    DialogPlayOptions = std::move(options);
    ShowNumber(ui_->Group1_Edit1, DialogPlayOptions.NumLumabels);
    ShowNumber(ui_->Group1_Edit2, DialogPlayOptions.NumClouds);
    ShowNumber(ui_->Group1_Edit3, DialogPlayOptions.Interval);
    ui_->Group1_Edit4->setText(ResultsHeading::Shown(DialogPlayOptions.Message));
    ui_->Group1_CheckBox1->setChecked(DialogPlayOptions.SoundOn);
}

AppPlayOptions TOptionsDialog::GetPlayOptions() const {
    return DialogPlayOptions;
}

void TOptionsDialog::SetSystemOptions(AppSystemOptions options) {
    DialogSystemOptions = options;
    ui_->Group2_CheckBox1->setChecked(DialogSystemOptions.RestoreRecord);
    ui_->Group2_CheckBox2->setChecked(DialogSystemOptions.ClearRecord);
    ui_->Group2_CheckBox3->setChecked(DialogSystemOptions.RestorePosition);
    ui_->Group2_CheckBox4->setChecked(DialogSystemOptions.StayOnTop);
}

AppSystemOptions TOptionsDialog::GetSystemOptions() const {
    return DialogSystemOptions;
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
    SelectPreset(PresetForCounts(DialogPlayOptions.NumLumabels, DialogPlayOptions.NumClouds));
    // Enter at once accepts the options as they came in.
    ui_->Button1->setFocus();
}

void TOptionsDialog::Group1_ComboBox1Change() {
    const std::optional<ArrangementPreset> preset =
        PresetCounts(ui_->Group1_ComboBox1->currentIndex());
    if (!preset) {
        return;
    }
    ShowNumber(ui_->Group1_Edit1, preset->NumLumabels);
    ShowNumber(ui_->Group1_Edit2, preset->NumClouds);
}

void TOptionsDialog::Button3Click() {
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
    options.NumLumabels = NumberOr(ui_->Group1_Edit1, AppPlayOptions::DefaultNumLumabels);
    options.NumClouds = NumberOr(ui_->Group1_Edit2, AppPlayOptions::DefaultNumClouds);
    options.Interval = NumberOr(ui_->Group1_Edit3, AppPlayOptions::DefaultInterval);
    options.Message = ResultsHeading::Stored(ui_->Group1_Edit4->text());
    options.SoundOn = ui_->Group1_CheckBox1->isChecked();
    return options;
}

AppSystemOptions TOptionsDialog::SystemOptionsFromControls() const {
    AppSystemOptions options;
    options.RestoreRecord = ui_->Group2_CheckBox1->isChecked();
    options.ClearRecord = ui_->Group2_CheckBox2->isChecked();
    options.RestorePosition = ui_->Group2_CheckBox3->isChecked();
    options.StayOnTop = ui_->Group2_CheckBox4->isChecked();
    return options;
}
