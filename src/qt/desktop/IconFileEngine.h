#pragma once

#include <QIconEngine>
#include <QList>
#include <QString>

// An icon drawn as one square picture file a size, each file read only when its size is
// asked for, and not kept. The window manager takes its own copy of every size once, when a
// window is made; holding all of them decoded for as long as the game runs would cost more
// than a third of a megabyte, most of it the 256 px picture.
class IconFileEngine final : public QIconEngine {
  public:
    struct Picture {
        int Size;  // width and height in pixels
        QString File;
    };

    // `pictures` from the smallest to the largest.
    explicit IconFileEngine(QList<Picture> pictures);

    QPixmap pixmap(const QSize& size, QIcon::Mode mode, QIcon::State state) override;
    QSize actualSize(const QSize& size, QIcon::Mode mode, QIcon::State state) override;
    QList<QSize> availableSizes(QIcon::Mode mode, QIcon::State state) override;
    void paint(QPainter* painter, const QRect& rect, QIcon::Mode mode, QIcon::State state) override;
    QIconEngine* clone() const override;
    QString key() const override;

  private:
    const Picture* BestFor(const QSize& size) const;

    QList<Picture> pictures_;
};
