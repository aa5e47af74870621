#include "qt/desktop/ApplicationIcon.h"

#include <gtest/gtest.h>

#include <QImage>
#include <QPainter>
#include <QPixmap>

namespace {

QImage Drawn(int size) {
    return QImage(QStringLiteral(":/images/icon-%1.png").arg(size))
        .convertToFormat(QImage::Format_ARGB32_Premultiplied);
}

QImage Given(const QIcon& icon, int size, QIcon::Mode mode = QIcon::Normal) {
    return icon.pixmap(QSize(size, size), 1.0, mode)
        .toImage()
        .convertToFormat(QImage::Format_ARGB32_Premultiplied);
}

}  // namespace

TEST(ApplicationIcon, OffersEverySizeDrawnForIt) {
    const QList<QSize> sizes = ApplicationIcon().availableSizes();
    QList<QSize> expected;
    for (const int size : {16, 32, 40, 48, 64, 96, 128, 256}) {
        expected.append(QSize(size, size));
    }
    EXPECT_EQ(sizes, expected);
}

TEST(ApplicationIcon, GivesEachSizeThePictureDrawnForIt) {
    const QIcon icon = ApplicationIcon();
    for (const int size : {16, 32, 40, 48, 64, 96, 128, 256}) {
        const QImage drawn = Drawn(size);
        ASSERT_FALSE(drawn.isNull()) << size;
        EXPECT_EQ(Given(icon, size), drawn) << size << " px";
    }
}

TEST(ApplicationIcon, BetweenTheSizesTheNextLargerIsScaledDownAndNothingIsScaledUp) {
    const QIcon icon = ApplicationIcon();
    EXPECT_EQ(icon.actualSize(QSize(24, 24)), QSize(24, 24));
    EXPECT_EQ(Given(icon, 24),
              Drawn(32).scaled(24, 24, Qt::KeepAspectRatio, Qt::SmoothTransformation));
    EXPECT_EQ(icon.actualSize(QSize(300, 300)), QSize(256, 256));
    EXPECT_EQ(Given(icon, 300), Drawn(256));
    EXPECT_EQ(icon.actualSize(QSize(8, 8)), QSize(8, 8));
}

TEST(ApplicationIcon, ADisabledIconLooksDisabled) {
    const QIcon icon = ApplicationIcon();
    const QImage disabled = Given(icon, 32, QIcon::Disabled);
    EXPECT_EQ(disabled.size(), QSize(32, 32));
    EXPECT_NE(disabled, Drawn(32));
    EXPECT_EQ(Given(icon, 32, QIcon::Active), Drawn(32));
}

TEST(ApplicationIcon, PaintedIntoARectangleItIsThePictureForThatSize) {
    const QIcon icon = ApplicationIcon();
    QImage canvas(48, 48, QImage::Format_ARGB32_Premultiplied);
    canvas.fill(Qt::transparent);
    {
        QPainter painter(&canvas);
        icon.paint(&painter, QRect(0, 0, 48, 48));
    }
    EXPECT_EQ(canvas, Drawn(48));
}

TEST(ApplicationIcon, ACopyChangedApartKeepsEveryPicture) {
    const QIcon icon = ApplicationIcon();
    QIcon copy = icon;
    // Adding to the copy makes it an icon of its own, with its own engine.
    copy.addPixmap(QPixmap::fromImage(Drawn(16)), QIcon::Disabled);
    EXPECT_EQ(Given(copy, 64), Drawn(64));
    EXPECT_EQ(copy.availableSizes().size(), 8);
    EXPECT_EQ(Given(icon, 64), Drawn(64));
}
