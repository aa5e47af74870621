#include "qt/window/PlayfieldView.h"

#include <QAccessible>
#include <QContextMenuEvent>
#include <QImage>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>

#include "qt/window/PlayfieldAccessible.h"

PlayfieldView::PlayfieldView(QWidget* parent) : QWidget(parent) {
    // Every pixel comes from the back buffer: nothing to erase first.
    setAttribute(Qt::WA_OpaquePaintEvent);
    setFocusPolicy(Qt::StrongFocus);
    InstallPlayfieldAccessibility();
}

void PlayfieldView::Announce(const QString& name, const QString& description) {
    setAccessibleDescription(description);
    setAccessibleName(name);
    // Qt 6.4 stores the texts without telling assistive technology of the change.
    QAccessibleEvent described(this, QAccessible::DescriptionChanged);
    QAccessible::updateAccessibility(&described);
    QAccessibleEvent named(this, QAccessible::NameChanged);
    QAccessible::updateAccessibility(&named);
}

void PlayfieldView::paintEvent(QPaintEvent* event) {
    if (backBuffer_ != nullptr &&
        !qFuzzyCompare(backBuffer_->devicePixelRatio(), devicePixelRatioF())) {
        emit PixelRatioChanged(devicePixelRatioF());
    }
    if (backBuffer_ == nullptr) {
        return;
    }
    QPainter painter(this);
    const QRect area = event->rect();
    const qreal ratio = backBuffer_->devicePixelRatio();
    const QRectF source(area.x() * ratio, area.y() * ratio, area.width() * ratio,
                        area.height() * ratio);
    painter.drawImage(QRectF(area), *backBuffer_, source);
}

void PlayfieldView::keyPressEvent(QKeyEvent* event) {
    emit KeyDown(event->key());
    // Every key goes on to its ordinary handling too.
    QWidget::keyPressEvent(event);
}

void PlayfieldView::keyReleaseEvent(QKeyEvent* event) {
    // X11 reports auto-repeat as release-press pairs; only a real release ends a press.
    if (!event->isAutoRepeat()) {
        emit KeyUp(event->key());
    }
    QWidget::keyReleaseEvent(event);
}

void PlayfieldView::mousePressEvent(QMouseEvent* event) {
    const QPoint at = event->position().toPoint();
    emit MouseDown(event->button(), at.x(), at.y());
    QWidget::mousePressEvent(event);
}

void PlayfieldView::contextMenuEvent(QContextMenuEvent* event) {
    emit PopupRequested(event->globalPos());
}
