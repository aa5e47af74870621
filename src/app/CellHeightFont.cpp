#include "app/CellHeightFont.h"

#include <QFontMetrics>

QFont CellHeightFont(const QString& family, int cellHeight) {
    QFont font(family);
    font.setStyleHint(QFont::SansSerif);
    int best = 1;
    for (int pixels = 1; pixels <= cellHeight; ++pixels) {
        font.setPixelSize(pixels);
        const int height = QFontMetrics(font).height();
        if (height <= cellHeight) {
            best = pixels;
        }
        if (height >= cellHeight) {
            break;
        }
    }
    font.setPixelSize(best);
    return font;
}
