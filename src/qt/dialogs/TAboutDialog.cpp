#include "qt/dialogs/TAboutDialog.h"

#include <QApplication>
#include <QCloseEvent>
#include <QFontMetrics>
#include <QKeyEvent>
#include <QPainter>
#include <QPixmap>
#include <algorithm>

#include "GameVersion.h"
#include "qt/dialogs/AboutLayout.h"
#include "qt/dialogs/DevicePixelFrame.h"
#include "qt/dialogs/FocusFrameStyle.h"
#include "qt/dialogs/TemplateScale.h"
#include "ui_TAboutDialog.h"

TAboutDialog* AboutDialog = nullptr;

const char* const TAboutDialog::ProductLine =
    QT_TRANSLATE_NOOP("TAboutDialog", "Lumabels for Win32");
const char* const TAboutDialog::Notice = QT_TRANSLATE_NOOP(
    "TAboutDialog",
    "Copyright (c) 2026 the Lumabels developers. Free software under the MIT License.");

namespace {

AboutBox BoxOf(const QWidget* widget) {
    const QRect r = widget->geometry();
    return {r.x(), r.y(), r.width(), r.height()};
}

void Place(QWidget* widget, const AboutBox& box) {
    widget->setGeometry(box.Left, box.Top, box.Width, box.Height);
}

}  // namespace

TAboutDialog::TAboutDialog(QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::WindowTitleHint | Qt::WindowCloseButtonHint |
                          Qt::MSWindowsFixedSizeDialogHint),
      ui_(std::make_unique<Ui::TAboutDialog>()) {
    ui_->setupUi(this);
    const double scale = TemplateScale(*this);
    for (QWidget* control :
         {static_cast<QWidget*>(ui_->Bevel1), static_cast<QWidget*>(ui_->Label1),
          static_cast<QWidget*>(ui_->Image1), static_cast<QWidget*>(ui_->Button1)}) {
        ScaleFromTemplate(*control, scale);
    }

    ShowIcon();
    ui_->Image1->setAccessibleName(QStringLiteral("Lumabels"));
    // The box draws the frame itself, on whole device pixels (paintEvent): drawn by the frame
    // widget, its bottom line is lost at some fractional pixel ratios.
    ui_->Bevel1->setFrameShape(QFrame::NoFrame);

    // The text sizes the label, but never below these.
    const int minWidth = ui_->Label1->height();
    const int minHeight = 3 * ui_->Image1->height();
    // Product line, version and notice, joined as the language punctuates a sentence.
    const QString text =
        tr("%1 %2. %3")
            .arg(tr(ProductLine), tr("Version %1").arg(QString::fromLatin1(GameVersion)),
                 tr(Notice));
    ui_->Label1->setText(text);
    const QRect measured =
        QFontMetrics(ui_->Label1->font())
            .boundingRect(QRect(0, 0, ui_->Label1->width(), 1 << 20), Qt::TextWordWrap, text);
    ui_->Label1->resize(std::max(measured.width(), minWidth),
                        std::max(measured.height(), minHeight));

    const AboutLayout layout = LayOutAbout(BoxOf(ui_->Bevel1), BoxOf(ui_->Image1),
                                           BoxOf(ui_->Label1), BoxOf(ui_->Button1));
    Place(ui_->Bevel1, layout.Bevel);
    Place(ui_->Image1, layout.Image);
    Place(ui_->Label1, layout.Label);
    Place(ui_->Button1, layout.Button);
    setFixedSize(layout.ClientWidth, layout.ClientHeight);

    FocusFrameStyle::UseFor({ui_->Button1}, this);
    connect(ui_->Button1, &QPushButton::clicked, this, [this] { done(ModalResult::Ok); });
}

TAboutDialog::~TAboutDialog() = default;

void TAboutDialog::ShowIcon() {
    // The picture drawn for as many device pixels as the icon covers on this screen, never
    // the 32 px one scaled up.
    const QPixmap picture =
        QApplication::windowIcon().pixmap(QSize(IconSize, IconSize), devicePixelRatioF());
    ui_->Image1->setPixmap(picture);
    ui_->Image1->resize(IconSize, IconSize);
}

void TAboutDialog::paintEvent(QPaintEvent* event) {
    QDialog::paintEvent(event);
    QPainter painter(this);
    UseDevicePixels(painter, *this);
    DrawLoweredPanel(painter, DeviceArea(*this, ui_->Bevel1->geometry()), DeviceLineWidth(*this),
                     palette());
}

void TAboutDialog::showEvent(QShowEvent* event) {
    // The box may open on a screen of another pixel density than the one it was made on.
    ShowIcon();
    QDialog::showEvent(event);
    FormShow();
}

void TAboutDialog::FormShow() {
    ui_->Button1->setFocus();
}

void TAboutDialog::keyPressEvent(QKeyEvent* event) {
    // OK is the cancel button too: Escape closes the box just as OK does.
    if (event->key() == Qt::Key_Escape) {
        done(ModalResult::Ok);
        return;
    }
    QDialog::keyPressEvent(event);
}

void TAboutDialog::closeEvent(QCloseEvent* event) {
    event->accept();
    done(ModalResult::Cancel);
}
