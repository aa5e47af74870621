#pragma once

#include <QRect>

class QPainter;
class QPalette;
class QWidget;

// Frames drawn on whole device pixels. Qt puts a child widget's origin on a whole device pixel
// and ends its paint at the rounded device position of its far edges, so at a fractional
// pixel ratio (1.25, 1.5) a line drawn on the last logical row or column can land one device
// pixel past the end and vanish. These put each line on a device pixel the widget covers.

// The device pixels that `area`, in the widget's logical coordinates, covers when the widget
// is painted in its window; counted from the widget's own origin.
QRect DeviceArea(const QWidget& widget, const QRect& area);

// One logical pixel of line in whole device pixels, at least one.
int DeviceLineWidth(const QWidget& widget);

// Switches the painter of `widget` to device pixels, the unit of the functions below.
void UseDevicePixels(QPainter& painter, const QWidget& widget);

// A lowered panel: the shadow along the top and left, the light along the bottom and right.
void DrawLoweredPanel(QPainter& painter, const QRect& device, int line, const QPalette& palette);

// An etched line around the area: a shadow line with a light one just inside and below it.
void DrawEtchedFrame(QPainter& painter, const QRect& device, int line, const QPalette& palette);
