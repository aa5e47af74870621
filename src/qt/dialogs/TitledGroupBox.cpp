#include "qt/dialogs/TitledGroupBox.h"

#include <QPainter>
#include <QStyle>

#include "qt/dialogs/DevicePixelFrame.h"

TitledGroupBox::TitledGroupBox(QWidget* parent) : QGroupBox(parent) {}

QRect TitledGroupBox::TitleRect() const {
    const QFontMetrics metrics = fontMetrics();
    // A blank's width of frame before the title and of gap on either side of it.
    const int gap = metrics.horizontalAdvance(QLatin1Char(' '));
    const int width = metrics.horizontalAdvance(title(), Qt::TextShowMnemonic);
    return {gap, 0, width + 2 * gap, metrics.height()};
}

void TitledGroupBox::paintEvent(QPaintEvent* /*event*/) {
    QPainter painter(this);
    const QRect titleRect = TitleRect();
    const QRect frame = rect().adjusted(0, titleRect.height() / 2, 0, 0);
    painter.save();
    // The frame's line stops short of the title on either side.
    painter.setClipRegion(QRegion(rect()).subtracted(titleRect));
    UseDevicePixels(painter, *this);
    DrawEtchedFrame(painter, DeviceArea(*this, frame), DeviceLineWidth(*this), palette());
    painter.restore();

    style()->drawItemText(&painter, titleRect, Qt::AlignCenter | Qt::TextShowMnemonic, palette(),
                          isEnabled(), title(), QPalette::WindowText);
}
