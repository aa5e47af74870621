#pragma once

#include <QDialog>
#include <memory>

#include "qt/dialogs/ModalResult.h"
#include "settings/AppPlayOptions.h"
#include "settings/AppSystemOptions.h"

namespace Ui {
class TOptionsDialog;
}

// Edits a copy of the play and system options. The caller puts both records in, shows the
// dialog modally and takes them out again only after OK (`ModalResult::Ok`). The dialog never
// clamps: the main window does that when it applies the play options.
class TOptionsDialog : public QDialog {
    Q_OBJECT

  public:
    explicit TOptionsDialog(QWidget* parent = nullptr);
    ~TOptionsDialog() override;

    void SetPlayOptions(AppPlayOptions options);
    AppPlayOptions GetPlayOptions() const;
    void SetSystemOptions(AppSystemOptions options);
    AppSystemOptions GetSystemOptions() const;
    void SetDefaults();

    void FormShow();
    void FormClose();
    void Play_Arrange_ComboBoxChange();
    void Default_ButtonClick();

    // Every way of closing ends here, so the controls are taken in before exec() returns.
    void done(int result) override;
    void accept() override;
    void reject() override;

  protected:
    void showEvent(QShowEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void ScaleTemplate();
    void FillPresetList();
    void MakeRoomForTexts();
    static int MostMissing(const QList<QWidget*>& controls);
    void SelectPreset(int row);
    AppPlayOptions PlayOptionsFromControls() const;
    AppSystemOptions SystemOptionsFromControls() const;

    std::unique_ptr<Ui::TOptionsDialog> ui_;
    AppPlayOptions playOptions_;
    AppSystemOptions systemOptions_;
};

extern TOptionsDialog* OptionsDialog;
