#include "qt/window/CellHeightFont.h"

#include <QFontMetrics>
#include <algorithm>

QFont CellHeightFont(const QString& family, int cellHeight) {
    QFont font(family);
    font.setStyleHint(QFont::SansSerif);
    const auto cellAt = [&font](int pixels) {
        font.setPixelSize(pixels);
        return QFontMetrics(font).height();
    };
    // The cell grows with the pixel size, so the first size whose cell reaches the height is
    // found by halving: a handful of font loads at start instead of one for every size below.
    int low = 1;
    int high = cellHeight + 1;  // past the last size: no size reaches the height
    while (low < high) {
        const int middle = low + (high - low) / 2;
        if (cellAt(middle) >= cellHeight) {
            high = middle;
        } else {
            low = middle + 1;
        }
    }
    const bool exact = low <= cellHeight && cellAt(low) == cellHeight;
    font.setPixelSize(std::max(exact ? low : low - 1, 1));
    return font;
}
