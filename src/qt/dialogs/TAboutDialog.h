#pragma once

#include <QDialog>
#include <memory>

#include "qt/dialogs/ModalResult.h"

namespace Ui {
class TAboutDialog;
}

// The about box: the icon and one bold paragraph in a lowered frame, laid out once around
// its text, with OK beside it.
class TAboutDialog : public QDialog {
    Q_OBJECT

  public:
    static const char* const ProductLine;
    static const char* const Notice;

    explicit TAboutDialog(QWidget* parent = nullptr);
    ~TAboutDialog() override;

  protected:
    void paintEvent(QPaintEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

  private:
    static constexpr int IconSize = 32;  // the icon's size in the template's pixels

    void FormShow();
    void ShowIcon();

    std::unique_ptr<Ui::TAboutDialog> ui_;
};

extern TAboutDialog* AboutDialog;
