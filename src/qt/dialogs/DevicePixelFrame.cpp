#include "qt/dialogs/DevicePixelFrame.h"

#include <QPainter>
#include <QPalette>
#include <QWidget>
#include <algorithm>
#include <cmath>

namespace {

int ToDevice(int logical, qreal ratio) {
    return static_cast<int>(std::lround(logical * ratio));
}

// The outline of `r`, `line` device pixels thick, inside it.
void FillOutline(QPainter& painter, const QRect& r, int line, const QColor& colour) {
    painter.fillRect(QRect(r.left(), r.top(), r.width(), line), colour);
    painter.fillRect(QRect(r.left(), r.bottom() - line + 1, r.width(), line), colour);
    painter.fillRect(QRect(r.left(), r.top(), line, r.height()), colour);
    painter.fillRect(QRect(r.right() - line + 1, r.top(), line, r.height()), colour);
}

}  // namespace

QRect DeviceArea(const QWidget& widget, const QRect& area) {
    const qreal ratio = widget.devicePixelRatioF();
    const QPoint origin = widget.mapTo(widget.window(), QPoint(0, 0));
    const int originX = ToDevice(origin.x(), ratio);
    const int originY = ToDevice(origin.y(), ratio);
    const int left = ToDevice(origin.x() + area.left(), ratio) - originX;
    const int top = ToDevice(origin.y() + area.top(), ratio) - originY;
    const int right = ToDevice(origin.x() + area.left() + area.width(), ratio) - originX;
    const int bottom = ToDevice(origin.y() + area.top() + area.height(), ratio) - originY;
    return {left, top, right - left, bottom - top};
}

int DeviceLineWidth(const QWidget& widget) {
    return std::max(1, static_cast<int>(widget.devicePixelRatioF()));
}

void UseDevicePixels(QPainter& painter, const QWidget& widget) {
    const qreal ratio = widget.devicePixelRatioF();
    painter.scale(1.0 / ratio, 1.0 / ratio);
}

void DrawLoweredPanel(QPainter& painter, const QRect& device, int line, const QPalette& palette) {
    const QColor shadow = palette.color(QPalette::Dark);
    const QColor light = palette.color(QPalette::Light);
    const QRect& r = device;
    painter.fillRect(QRect(r.left(), r.top(), r.width() - line, line), shadow);
    painter.fillRect(QRect(r.left(), r.top(), line, r.height() - line), shadow);
    painter.fillRect(QRect(r.left(), r.bottom() - line + 1, r.width(), line), light);
    painter.fillRect(QRect(r.right() - line + 1, r.top(), line, r.height()), light);
}

void DrawEtchedFrame(QPainter& painter, const QRect& device, int line, const QPalette& palette) {
    FillOutline(painter, device.adjusted(line, line, 0, 0), line, palette.color(QPalette::Light));
    FillOutline(painter, device.adjusted(0, 0, -line, -line), line, palette.color(QPalette::Dark));
}
