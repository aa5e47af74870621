#include "dialogs/TAboutDialog.h"

#include <QApplication>
#include <QCloseEvent>
#include <QFontMetrics>
#include <QKeyEvent>
#include <QPainter>
#include <QPixmap>
#include <algorithm>

#include "GameVersion.h"
#include "dialogs/DevicePixelFrame.h"
#include "dialogs/FocusFrameStyle.h"
#include "dialogs/TemplateScale.h"
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
    widget->setGeometry(box.left, box.top, box.width, box.height);
}

}  // namespace

TAboutDialog::TAboutDialog(QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::WindowTitleHint | Qt::WindowCloseButtonHint |
                          Qt::MSWindowsFixedSizeDialogHint),
      ui(std::make_unique<Ui::TAboutDialog>()) {
    ui->setupUi(this);
    const double scale = TemplateScale(*this);
    for (QWidget* control :
         {static_cast<QWidget*>(ui->Bevel1), static_cast<QWidget*>(ui->Label1),
          static_cast<QWidget*>(ui->Image1), static_cast<QWidget*>(ui->Button1)}) {
        ScaleFromTemplate(*control, scale);
    }

    ShowIcon();
    ui->Image1->setAccessibleName(QStringLiteral("Lumabels"));
    // The box draws the frame itself, on whole device pixels (paintEvent): drawn by the frame
    // widget, its bottom line is lost at some fractional pixel ratios.
    ui->Bevel1->setFrameShape(QFrame::NoFrame);

    // The text sizes the label, but never below these.
    const int minWidth = ui->Label1->height();
    const int minHeight = 3 * ui->Image1->height();
    // Product line, version and notice, joined as the language punctuates a sentence.
    const QString text =
        tr("%1 %2. %3")
            .arg(tr(ProductLine), tr("Version %1").arg(QString::fromLatin1(GameVersion)),
                 tr(Notice));
    ui->Label1->setText(text);
    const QRect measured =
        QFontMetrics(ui->Label1->font())
            .boundingRect(QRect(0, 0, ui->Label1->width(), 1 << 20), Qt::TextWordWrap, text);
    ui->Label1->resize(std::max(measured.width(), minWidth),
                       std::max(measured.height(), minHeight));

    layout_ =
        LayOutAbout(BoxOf(ui->Bevel1), BoxOf(ui->Image1), BoxOf(ui->Label1), BoxOf(ui->Button1));
    Place(ui->Bevel1, layout_.bevel);
    Place(ui->Image1, layout_.image);
    Place(ui->Label1, layout_.label);
    Place(ui->Button1, layout_.button);
    setFixedSize(layout_.clientWidth, layout_.clientHeight);

    FocusFrameStyle::UseFor({ui->Button1}, this);
    connect(ui->Button1, &QPushButton::clicked, this, [this] { done(1); });
}

TAboutDialog::~TAboutDialog() = default;

void TAboutDialog::ShowIcon() {
    // The picture drawn for as many device pixels as the icon covers on this screen, never
    // the 32 px one scaled up.
    const QPixmap picture =
        QApplication::windowIcon().pixmap(QSize(IconSize, IconSize), devicePixelRatioF());
    ui->Image1->setPixmap(picture);
    ui->Image1->resize(IconSize, IconSize);
}

void TAboutDialog::paintEvent(QPaintEvent* event) {
    QDialog::paintEvent(event);
    QPainter painter(this);
    UseDevicePixels(painter, *this);
    DrawLoweredPanel(painter, DeviceArea(*this, ui->Bevel1->geometry()), DeviceLineWidth(*this),
                     palette());
}

void TAboutDialog::showEvent(QShowEvent* event) {
    // The box may open on a screen of another pixel density than the one it was made on.
    ShowIcon();
    QDialog::showEvent(event);
    FormShow();
}

void TAboutDialog::FormShow() {
    ui->Button1->setFocus();
}

void TAboutDialog::keyPressEvent(QKeyEvent* event) {
    // OK is the cancel button too: Escape closes the box just as OK does.
    if (event->key() == Qt::Key_Escape) {
        done(1);
        return;
    }
    QDialog::keyPressEvent(event);
}

void TAboutDialog::closeEvent(QCloseEvent* event) {
    event->accept();
    done(2);
}
