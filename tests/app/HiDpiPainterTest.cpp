#include <gtest/gtest.h>

#include <QImage>
#include <QPixmap>
#include <set>

#include "engine/FieldLook.h"
#include "engine/SeededRandom.h"
#include "engine/World.h"
#include "qt/desktop/QtTranslator.h"
#include "qt/window/FieldPainter.h"
#include "settings/AppPlayOptions.h"
#include "shell/ShellTexts.h"
#include "support/ManualTickCounter.h"
#include "support/NoteRecorder.h"
#include "support/WorldProbe.h"

namespace {

const std::set<QRgb> FieldColours = [] {
    std::set<QRgb> colours(FieldLook::Stripes.begin(), FieldLook::Stripes.end());
    colours.insert({FieldLook::Sky, FieldLook::Cloud});
    return colours;
}();

QPixmap Sprite() {
    QImage image(FieldLook::CharacterWidth, FieldLook::CharacterHeight, QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    for (int y = 1; y <= 33; ++y) {
        for (int x = 2; x <= 19; ++x) {
            image.setPixel(x, y, (x + y) % 2 == 0 ? 0xFFFF00FFU : 0xFF00FFFFU);
        }
    }
    return QPixmap::fromImage(image);
}

// The same world drawn at a given pixel ratio.
class Rendering {
    // Ready before the painter is made: it takes the buffer's ratio once.
    static QImage BackBuffer(qreal ratio) {
        QImage image((QSizeF(400, 300) * ratio).toSize(), QImage::Format_RGB32);
        image.setDevicePixelRatio(ratio);
        return image;
    }

  public:
    explicit Rendering(qreal ratio) : image(BackBuffer(ratio)) {
        painter.SetCharacterImages(Sprite(), Sprite());
        options.NumClouds = 2;
        WorldProbe::SetLumabels(world, {{{-400, 204, 800, 300}, 0, -7},
                                        {{-96, 37, 131, 133}, 5, 9},
                                        {{250, 151, 496, 247}, -3, -4}});
        WorldProbe::SetClouds(world, {{150, 20, 230, 52}, {300, 100, 380, 132}});
        WorldProbe::SetCarrier(world, 0, 200);
    }
    QRgb At(int x, int y) const { return image.pixel(x, y) & 0xFFFFFFU; }

    AppPlayOptions options;
    NoteRecorder notes;
    SeededRandom random{1};
    ManualTickCounter ticks;
    World world{WorldServices{options, notes, random, ticks}};
    QImage image;
    SeededRandom blink{2};
    FieldPainter painter{image, blink};
};

}  // namespace

class HiDpiPainterTest : public ::testing::TestWithParam<qreal> {};

TEST_P(HiDpiPainterTest, BandsHaveCrispEdgesAndTheLogicalGeometryOfRatioOne) {
    const qreal ratio = GetParam();
    Rendering one(1.0);
    Rendering scaled(ratio);
    one.painter.DrawPlayfield(one.world);
    scaled.painter.DrawPlayfield(scaled.world);
    ASSERT_EQ(scaled.image.size(), (QSizeF(400, 300) * ratio).toSize());
    // Every pixel outside the character is a field colour: nothing blended at band edges.
    for (int y = 0; y < scaled.image.height(); ++y) {
        for (int x = 0; x < scaled.image.width(); ++x) {
            const QRgb c = scaled.At(x, y);
            const bool character = c == 0xFF00FF || c == 0x00FFFF;
            ASSERT_TRUE(character || FieldColours.count(c) == 1 ||
                        (y / ratio >= 20 && y / ratio < 52) ||
                        (y / ratio >= 100 && y / ratio < 132))
                << "blended pixel at " << x << "," << y;
        }
    }
    // Away from the clouds' curved edges, each logical pixel's centre shows what ratio 1 shows.
    for (int y = 0; y < 300; ++y) {
        for (int x = 0; x < 400; ++x) {
            const bool nearCloud = (y >= 18 && y < 54 && x >= 148 && x < 232) ||
                                   (y >= 98 && y < 134 && x >= 298 && x < 382);
            if (nearCloud) {
                continue;
            }
            const auto sx = static_cast<int>((x + 0.5) * ratio);
            const auto sy = static_cast<int>((y + 0.5) * ratio);
            ASSERT_EQ(scaled.At(sx, sy), one.At(x, y)) << "logical " << x << "," << y;
        }
    }
}

TEST_P(HiDpiPainterTest, TitleAndResultsKeepTheirLogicalPlace) {
    const qreal ratio = GetParam();
    for (int screen = 0; screen < 2; ++screen) {
        Rendering one(1.0);
        Rendering scaled(ratio);
        QRect blockOne;
        QRect blockScaled;
        if (screen == 0) {
            one.painter.DrawTitle("Lumabels");
            scaled.painter.DrawTitle("Lumabels");
        } else {
            one.image.fill(Qt::black);
            scaled.image.fill(Qt::black);
            blockOne =
                one.painter.DrawResults(ResultTextsOf(one.world, one.options, QtTranslator()));
            blockScaled = scaled.painter.DrawResults(
                ResultTextsOf(scaled.world, scaled.options, QtTranslator()));
            EXPECT_EQ(blockScaled, blockOne);  // the block is measured in logical pixels
        }
        const auto extent = [](const Rendering& r, QRgb background) {
            QRect box;
            for (int y = 0; y < r.image.height(); ++y) {
                for (int x = 0; x < r.image.width(); ++x) {
                    if (r.At(x, y) != background) {
                        box |= QRect(x, y, 1, 1);
                    }
                }
            }
            return box;
        };
        const QRgb background = screen == 0 ? FieldLook::Sky : 0x000000;
        const QRect a = extent(one, background);
        const QRect b = extent(scaled, background);
        ASSERT_FALSE(a.isEmpty());
        EXPECT_NEAR(b.center().x() / ratio, a.center().x(), 3.0) << screen;
        EXPECT_NEAR(b.center().y() / ratio, a.center().y(), 3.0) << screen;
        EXPECT_NEAR(b.width() / ratio, a.width(), 8.0) << screen;
    }
}

TEST(HiDpiPainter, TheCharacterIsScaledWithoutBlurAtWholeRatios) {
    Rendering scaled(2.0);
    scaled.painter.DrawPlayfield(scaled.world);
    // At ratio 2 each sprite pixel is a 2 x 2 block of one colour, from the art's first pixel
    // (column 2, row 1 of the sprite) on.
    const int x0 = (200 - FieldLook::CharacterOffsetX + 2) * 2;
    const int y0 = (204 - FieldLook::CharacterOffsetY + 1) * 2;
    for (int dy = 0; dy < 20; dy += 2) {
        for (int dx = 0; dx < 20; dx += 2) {
            const QRgb c = scaled.At(x0 + dx, y0 + dy);
            EXPECT_TRUE(c == 0xFF00FF || c == 0x00FFFF);
            EXPECT_EQ(scaled.At(x0 + dx + 1, y0 + dy + 1), c);
            EXPECT_NE(scaled.At(x0 + dx + 2, y0 + dy), c);  // the checkerboard survives
        }
    }
}

INSTANTIATE_TEST_SUITE_P(Ratios, HiDpiPainterTest, ::testing::Values(1.25, 1.5, 2.0, 3.0));
