#pragma once

class QWidget;

// Room for a control's text, which a translation may make longer than the template allows for.
// Labels, check boxes, buttons, drop-down lists and titled group boxes are understood.

// How much wider the control must be so that its text (for a drop-down list, its longest item)
// shows whole: 0 when it fits already.
int MissingWidth(const QWidget& control);
