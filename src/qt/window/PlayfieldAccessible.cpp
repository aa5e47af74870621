#include "qt/window/PlayfieldAccessible.h"

#include <QAccessibleWidget>

#include "qt/window/PlayfieldView.h"

namespace {

QAccessibleInterface* PlayfieldInterface(const QString& className, QObject* object) {
    if (className != QLatin1String("PlayfieldView") || !object->isWidgetType()) {
        return nullptr;
    }
    // Qt's accessibility cache owns the interface.
    return new QAccessibleWidget(static_cast<QWidget*>(object), QAccessible::Canvas);
}

}  // namespace

void InstallPlayfieldAccessibility() {
    static bool installed = false;
    if (!installed) {
        QAccessible::installFactory(&PlayfieldInterface);
        installed = true;
    }
}
