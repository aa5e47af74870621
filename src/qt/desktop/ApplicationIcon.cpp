#include "qt/desktop/ApplicationIcon.h"

#include <QString>

#include "qt/desktop/IconFileEngine.h"

QIcon ApplicationIcon() {
    QList<IconFileEngine::Picture> pictures;
    for (const int size : {16, 32, 40, 48, 64, 96, 128, 256}) {
        pictures.append({size, QStringLiteral(":/images/icon-%1.png").arg(size)});
    }
    // The icon takes ownership of its engine.
    return QIcon(new IconFileEngine(std::move(pictures)));
}
