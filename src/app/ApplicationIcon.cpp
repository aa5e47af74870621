#include "app/ApplicationIcon.h"

#include <QString>

QIcon ApplicationIcon() {
    QIcon icon;
    for (const int size : {16, 32, 40, 48, 64, 96, 128, 256}) {
        icon.addFile(QStringLiteral(":/images/icon-%1.png").arg(size), QSize(size, size));
    }
    return icon;
}
