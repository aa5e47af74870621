#include "qt/desktop/IconFileEngine.h"

#include <QApplication>
#include <QImage>
#include <QPainter>
#include <QPixmap>
#include <QStyle>
#include <QStyleOption>
#include <algorithm>
#include <utility>

IconFileEngine::IconFileEngine(QList<Picture> pictures) : pictures_(std::move(pictures)) {}

const IconFileEngine::Picture* IconFileEngine::BestFor(const QSize& size) const {
    // The smallest picture that covers the size, scaled down if need be; failing that the
    // largest, as Qt's own icons choose.
    const int wanted = std::max(size.width(), size.height());
    for (const Picture& picture : pictures_) {
        if (picture.Size >= wanted) {
            return &picture;
        }
    }
    return pictures_.isEmpty() ? nullptr : &pictures_.last();
}

QSize IconFileEngine::actualSize(const QSize& size, QIcon::Mode, QIcon::State) {
    const Picture* picture = BestFor(size);
    if (picture == nullptr) {
        return {};
    }
    const QSize own(picture->Size, picture->Size);
    return own.width() <= size.width() && own.height() <= size.height()
               ? own
               : own.scaled(size, Qt::KeepAspectRatio);
}

QPixmap IconFileEngine::pixmap(const QSize& size, QIcon::Mode mode, QIcon::State state) {
    const Picture* picture = BestFor(size);
    if (picture == nullptr) {
        return {};
    }
    // Read as an image: a pixmap read from a file would stay in Qt's pixmap cache.
    QPixmap result = QPixmap::fromImage(QImage(picture->File));
    const QSize actual = actualSize(size, mode, state);
    if (!result.isNull() && result.size() != actual) {
        result = result.scaled(actual, Qt::KeepAspectRatio, Qt::SmoothTransformation);
    }
    if (mode != QIcon::Normal && mode != QIcon::Active && !result.isNull()) {
        // Greyed or highlighted as the style draws any other icon in that mode.
        QStyleOption option;
        option.palette = QApplication::palette();
        result = QApplication::style()->generatedIconPixmap(mode, result, &option);
    }
    return result;
}

QList<QSize> IconFileEngine::availableSizes(QIcon::Mode, QIcon::State) {
    QList<QSize> sizes;
    sizes.reserve(pictures_.size());
    for (const Picture& picture : pictures_) {
        sizes.append(QSize(picture.Size, picture.Size));
    }
    return sizes;
}

void IconFileEngine::paint(QPainter* painter, const QRect& rect, QIcon::Mode mode,
                           QIcon::State state) {
    const qreal ratio = painter->device() != nullptr ? painter->device()->devicePixelRatioF() : 1.0;
    QPixmap picture = pixmap(rect.size() * ratio, mode, state);
    picture.setDevicePixelRatio(ratio);
    const QSize shown = picture.deviceIndependentSize().toSize();
    painter->drawPixmap(
        QRect(QPoint(), shown).translated(rect.center() - QRect(QPoint(), shown).center()),
        picture);
}

QIconEngine* IconFileEngine::clone() const {
    // The icon that asks for the copy takes ownership of it.
    return new IconFileEngine(*this);
}

QString IconFileEngine::key() const {
    return QStringLiteral("IconFileEngine");
}
