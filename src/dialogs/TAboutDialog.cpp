#include "dialogs/TAboutDialog.h"

#include <QCloseEvent>
#include <QFontMetrics>
#include <QKeyEvent>
#include <QPixmap>
#include <algorithm>

#include "dialogs/TemplateScale.h"
#include "ui_TAboutDialog.h"

TAboutDialog* AboutDialog = nullptr;

const char* const TAboutDialog::ProductLine = "Lumabels for Win32";
const char* const TAboutDialog::VersionLine = "Version 1.0.2";
const char* const TAboutDialog::Notice =
    "Copyright (c) 2026 the Lumabels developers. Free software under the MIT License.";

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

    const QPixmap icon(QStringLiteral(":/images/icon-32.png"));
    ui->Image1->setPixmap(icon);
    ui->Image1->resize(icon.size());

    // The text sizes the label, but never below these.
    const int minWidth = ui->Label1->height();
    const int minHeight = 3 * ui->Image1->height();
    const QString text = QString::fromUtf8(ProductLine) + QStringLiteral(" ") +
                         QString::fromUtf8(VersionLine) + QStringLiteral(". ") +
                         QString::fromUtf8(Notice);
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

    connect(ui->Button1, &QPushButton::clicked, this, [this] { done(1); });
}

TAboutDialog::~TAboutDialog() = default;

void TAboutDialog::showEvent(QShowEvent* event) {
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
