#pragma once

#include <QFont>
#include <QString>

// The font of the given family whose measured character cell (ascent plus descent) is
// `cellHeight` pixels high, or the largest one below it when no size hits it exactly.
QFont CellHeightFont(const QString& family, int cellHeight);
