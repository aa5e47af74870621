#include <gtest/gtest.h>

#include <QApplication>
#include <QCheckBox>
#include <QFrame>
#include <QGroupBox>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QPixmap>
#include <cmath>
#include <optional>

#include "qt/dialogs/TAboutDialog.h"
#include "qt/dialogs/TOptionsDialog.h"

// Run once per scale factor and font resolution (QT_SCALE_FACTOR, QT_FONT_DPI): the dialogs
// as a player's screen shows them, read pixel by pixel.
namespace {

// QT_FONT_DPI=120 also gives a ratio of 1.25 on Qt 6: the window's own ratio counts.
qreal Ratio() {
    return qApp->devicePixelRatio();
}

int Device(int logical) {
    return static_cast<int>(std::lround(logical * Ratio()));
}

QImage Shown(QWidget& window) {
    window.show();
    QApplication::processEvents();
    return window.grab().toImage().convertToFormat(QImage::Format_RGB32);
}

QRect InWindow(const QWidget& widget) {
    return {widget.mapTo(widget.window(), QPoint(0, 0)), widget.size()};
}

bool IsInk(QRgb pixel) {
    return qGray(pixel) < 100;  // text, not the grey of frames or the window
}

}  // namespace

TEST(HiDpiDialogs, TheAboutIconIsThePictureMadeForTheScreensPixels) {
    TAboutDialog about;
    const QImage shown = Shown(about);
    const auto* image = about.findChild<QLabel*>("Image1");
    ASSERT_NE(image, nullptr);
    EXPECT_EQ(image->size(), QSize(32, 32));
    const QPixmap picture = image->pixmap();
    const int pixels = Device(32);
    ASSERT_EQ(picture.size(), QSize(pixels, pixels));
    // Not the 32 px picture scaled up: the one drawn for this many pixels, pixel for pixel.
    const QImage made = QImage(QStringLiteral(":/images/icon-%1.png").arg(pixels))
                            .convertToFormat(QImage::Format_ARGB32_Premultiplied);
    ASSERT_FALSE(made.isNull()) << "no icon drawn for " << pixels << " px";
    EXPECT_EQ(picture.toImage().convertToFormat(QImage::Format_ARGB32_Premultiplied), made);
    // And that is what the box shows.
    const QPoint at(Device(InWindow(*image).left()), Device(InWindow(*image).top()));
    const QImage painted = shown.copy(QRect(at, picture.size()));
    int same = 0;
    for (int y = 0; y < pixels; ++y) {
        for (int x = 0; x < pixels; ++x) {
            same += made.pixel(x, y) == painted.pixel(x, y) ? 1 : 0;
        }
    }
    EXPECT_GT(same, pixels * pixels / 2);  // the transparent corners show the window instead
}

namespace {

// Scans from `from` by `step` until a pixel of `colour`; the first one found, if any within
// `limit` steps.
std::optional<QPoint> Find(const QImage& image, QPoint from, QPoint step, int limit, QRgb colour) {
    for (int i = 0; i < limit; ++i, from += step) {
        if (image.valid(from) && image.pixel(from) == colour) {
            return from;
        }
    }
    return std::nullopt;
}

// The share of the pixels from `from`, `count` steps of `step`, that are `colour`.
double Share(const QImage& image, QPoint from, QPoint step, int count, QRgb colour) {
    int hits = 0;
    for (int i = 0; i < count; ++i, from += step) {
        hits += image.valid(from) && image.pixel(from) == colour ? 1 : 0;
    }
    return static_cast<double>(hits) / count;
}

}  // namespace

TEST(HiDpiDialogs, TheAboutFrameIsWholeOnEverySide) {
    TAboutDialog about;
    const QImage shown = Shown(about);
    const QRgb shadow = about.palette().color(QPalette::Dark).rgb();
    const QRgb light = about.palette().color(QPalette::Light).rgb();
    const QRect bevel = InWindow(*about.findChild<QWidget*>("Bevel1"));
    const QRect label = InWindow(*about.findChild<QWidget*>("Label1"));
    const QRect image = InWindow(*about.findChild<QWidget*>("Image1"));
    // Lines are looked for in the empty margins: right of the text, left of the icon.
    const int clearX = Device((label.right() + bevel.right()) / 2);
    const int clearY = Device(bevel.center().y());
    const int reach = Device(bevel.height());
    const int across = Device(bevel.width()) - 4;
    const int down = Device(bevel.height()) - 4;

    const auto bottom = Find(shown, {clearX, clearY}, {0, 1}, reach, light);
    ASSERT_TRUE(bottom) << "no bottom line at a ratio of " << Ratio();
    EXPECT_GE(Share(shown, {Device(bevel.left()) + 2, bottom->y()}, {1, 0}, across, light), 0.95);
    const auto top = Find(shown, {clearX, clearY}, {0, -1}, reach, shadow);
    ASSERT_TRUE(top) << "no top line at a ratio of " << Ratio();
    EXPECT_GE(Share(shown, {Device(bevel.left()) + 2, top->y()}, {1, 0}, across, shadow), 0.95);
    const auto right = Find(shown, {clearX, clearY}, {1, 0}, reach, light);
    ASSERT_TRUE(right) << "no right line at a ratio of " << Ratio();
    EXPECT_GE(Share(shown, {right->x(), Device(bevel.top()) + 2}, {0, 1}, down, light), 0.95);
    const auto left = Find(shown, {Device(image.left()) - 1, clearY}, {-1, 0}, reach, shadow);
    ASSERT_TRUE(left) << "no left line at a ratio of " << Ratio();
    EXPECT_GE(Share(shown, {left->x(), Device(bevel.top()) + 2}, {0, 1}, down, shadow), 0.95);
    // Each line where the frame's edge is, within the line's own thickness.
    const int line = std::max(1, static_cast<int>(Ratio()));
    EXPECT_LE(std::abs(bottom->y() - Device(bevel.bottom())), line);
    EXPECT_LE(std::abs(top->y() - Device(bevel.top())), line);
    EXPECT_LE(std::abs(right->x() - Device(bevel.right())), line);
    EXPECT_LE(std::abs(left->x() - Device(bevel.left())), line);
}

namespace {

// Rows of one colour from `y` on, going `step` rows at a time, in column `x`.
int PlainRows(const QImage& image, int x, int y, int step) {
    const QRgb plain = image.pixel(x, y);
    int rows = 0;
    while (y >= 0 && y < image.height() && image.pixel(x, y) == plain) {
        ++rows;
        y += step;
    }
    return rows;
}

}  // namespace

TEST(HiDpiDialogs, TheFirstRowOfEachGroupSitsClearOfItsTitle) {
    // As a ruler would find it: the space above the first row, up to whatever the group
    // draws there (its title, its frame's line), is at least the space below its last row.
    TOptionsDialog options;
    const QImage shown = Shown(options);
    const struct {
        const char* group;
        const char* first;
        const char* last;
    } groups[] = {
        {"Play_GroupBox", "Play_Lumabels_Edit", "Play_Arrange_ComboBox"},
        {"System_GroupBox", "System_RestoreRecord_CheckBox", "System_StayOnTop_CheckBox"}};
    for (const auto& g : groups) {
        const QRect first = InWindow(*options.findChild<QWidget*>(g.first));
        const QRect last = InWindow(*options.findChild<QWidget*>(g.last));
        const int above = PlainRows(shown, Device(first.center().x()), Device(first.top()) - 1, -1);
        const int below = PlainRows(shown, Device(last.center().x()), Device(last.bottom() + 1), 1);
        EXPECT_GE(above, below) << g.group << " at a ratio of " << Ratio();
        EXPECT_GE(below, 1) << g.group;

        // And the title's letters end well above the first row.
        const QRect box = InWindow(*options.findChild<QWidget*>(g.group));
        int titleBottom = -1;
        for (int y = Device(box.top()); y < Device(first.top()); ++y) {
            for (int x = Device(box.left()); x < Device(first.left()); ++x) {
                if (IsInk(shown.pixel(x, y)) && y < Device(first.top()) - 1) {
                    titleBottom = y;
                }
            }
        }
        ASSERT_GE(titleBottom, 0) << g.group << ": no title found";
        EXPECT_GE(Device(first.top()) - titleBottom, Device(3)) << g.group;
    }
}
