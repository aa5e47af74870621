#pragma once

#include <QIcon>

// The program's icon with every size drawn for it, so that the window manager, the task bar
// and a HiDPI about box each take a picture made for their size rather than a scaled one.
QIcon ApplicationIcon();
