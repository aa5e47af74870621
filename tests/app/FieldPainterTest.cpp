#include <gtest/gtest.h>

#include <QImage>
#include <QPixmap>

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

using FieldLook::CharacterOffsetX;
using FieldLook::CharacterOffsetY;
using FieldLook::PuffSide;
using FieldLook::PuffSpacing;
using FieldLook::Sky;
using FieldLook::Stripes;
constexpr QRgb White = FieldLook::Cloud;
constexpr QRgb OpenMark = 0x123456;
constexpr QRgb ClosedMark = 0x654321;

QPixmap Sprite(QRgb color) {
    QImage image(FieldLook::CharacterWidth, FieldLook::CharacterHeight, QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    for (int y = 1; y <= 33; ++y) {
        for (int x = 2; x <= 19; ++x) {
            image.setPixel(x, y, 0xFF000000U | color);
        }
    }
    return QPixmap::fromImage(image);
}

}  // namespace

class FieldPainterTest : public ::testing::Test {
  protected:
    void SetUp() override {
        image.fill(Qt::black);
        painter.SetCharacterImages(Sprite(OpenMark), Sprite(ClosedMark));
        options.NumLumabels = 1;
        options.NumClouds = 0;
        world.NewGame();
    }
    QRgb At(int x, int y) const { return image.pixel(x, y) & 0xFFFFFFU; }

    AppPlayOptions options;
    NoteRecorder notes;
    SeededRandom worldRandom{1};
    ManualTickCounter ticks;
    World world{WorldServices{options, notes, worldRandom, ticks}};
    QImage image{400, 300, QImage::Format_RGB32};
    SeededRandom blinkRandom{5};
    FieldPainter painter{image, blinkRandom};
};

TEST_F(FieldPainterTest, ALumabelIsSixSixteenPixelStripesFromItsTop) {
    WorldProbe::SetLumabels(world, {{{100, 40, 300, 136}, 2, 3}});
    WorldProbe::SetCarrier(world, 5, 0);  // no lumabel carries her: no character
    painter.DrawPlayfield(world);
    for (int k = 0; k < 6; ++k) {
        EXPECT_EQ(At(100, 40 + 16 * k), Stripes[k]) << k;
        EXPECT_EQ(At(299, 40 + 16 * k + 15), Stripes[k]) << k;
    }
    EXPECT_EQ(At(99, 50), Sky);
    EXPECT_EQ(At(300, 50), Sky);
    EXPECT_EQ(At(150, 39), Sky);
    EXPECT_EQ(At(150, 136), Sky);
}

TEST_F(FieldPainterTest, LumabelsAndCloudsAreClippedAtTheEdges) {
    options.NumClouds = 1;
    WorldProbe::SetLumabels(world, {{{-400, 250, 800, 346}, 0, -7}, {{350, -50, 496, 46}, -3, 4}});
    WorldProbe::SetCarrier(world, 9, 0);
    WorldProbe::SetClouds(world, {{-40, 100, 40, 132}});
    painter.DrawPlayfield(world);
    EXPECT_EQ(At(0, 250), Stripes[0]);
    EXPECT_EQ(At(399, 299), Stripes[3]);
    EXPECT_EQ(At(399, 0), Stripes[3]);
    EXPECT_EQ(At(399, 45), Stripes[5]);
    EXPECT_EQ(At(0, 116), White);
}

TEST_F(FieldPainterTest, CloudsAreThreeWhiteCirclesUnderTheLumabels) {
    options.NumClouds = 1;
    WorldProbe::SetClouds(world, {{100, 100, 180, 132}});
    WorldProbe::SetLumabels(world, {{{150, 110, 300, 206}, 1, 3}});
    WorldProbe::SetCarrier(world, 9, 0);
    painter.DrawPlayfield(world);
    const int middle = 100 + PuffSide / 2;
    EXPECT_EQ(At(middle, 116), White);  // centre of the first circle
    EXPECT_EQ(At(middle + PuffSpacing, 116), White);
    EXPECT_EQ(At(101, 116), White);  // near its left edge
    EXPECT_EQ(At(99, 116), Sky);
    EXPECT_EQ(At(179, 105), Sky);       // the box's corner lies outside the circles
    EXPECT_EQ(At(middle, 101), White);  // near the top of the first circle
    EXPECT_EQ(At(middle, 99), Sky);
    EXPECT_EQ(At(middle, 132), Sky);
    EXPECT_EQ(At(160, 116), Stripes[0]);  // the lumabel covers the cloud
}

TEST_F(FieldPainterTest, TheCharacterStandsAboveHerLumabelUnderLaterOnes) {
    const Band carrier{{0, 200, 400, 296}, 0, -7};
    const Band crossing{{100, 150, 220, 246}, 1, -3};
    WorldProbe::SetLumabels(world, {carrier, crossing});
    WorldProbe::SetCarrier(world, 0, 60);
    painter.DrawPlayfield(world);
    // Its art spans columns 2..19 and rows 1..33 of the sprite.
    const int left = 60 - CharacterOffsetX;
    const int top = 200 - CharacterOffsetY;
    const QRgb first = At(left + 2, top + 1);
    EXPECT_TRUE(first == OpenMark || first == ClosedMark);
    EXPECT_EQ(At(left + 19, top + 33), first);
    EXPECT_EQ(At(left + 1, 190), Sky);
    EXPECT_EQ(At(left + 20, 190), Sky);

    WorldProbe::SetCarrier(world, 0, 110);  // now under the later, crossing lumabel
    painter.DrawPlayfield(world);
    EXPECT_EQ(At(110, 190), Stripes[2]);

    WorldProbe::SetLumabels(world, {crossing, carrier});  // now over the earlier one
    WorldProbe::SetCarrier(world, 1, 110);
    painter.DrawPlayfield(world);
    const QRgb over = At(110, 190);
    EXPECT_TRUE(over == OpenMark || over == ClosedMark);
}

TEST_F(FieldPainterTest, BlinksWhenTheFramesDrawIsAMultipleOfTwelve) {
    WorldProbe::SetLumabels(world, {{{0, 200, 400, 296}, 0, -7}});
    WorldProbe::SetCarrier(world, 0, 200);
    SeededRandom twin(5);
    int closed = 0;
    constexpr int Frames = 6000;
    for (int frame = 0; frame < Frames; ++frame) {
        painter.DrawPlayfield(world);
        const bool expectClosed = twin.Next() % 12 == 0;
        ASSERT_EQ(At(195, 190), expectClosed ? ClosedMark : OpenMark) << frame;
        closed += expectClosed ? 1 : 0;
    }
    EXPECT_NEAR(closed, Frames / 12, Frames / 60);
}

TEST_F(FieldPainterTest, NoLumabelsLeavesBackgroundAndClouds) {
    WorldProbe::SetLumabels(world, {});
    painter.DrawPlayfield(world);
    EXPECT_EQ(At(0, 0), Sky);
    EXPECT_EQ(At(200, 150), Sky);
    EXPECT_EQ(At(399, 299), Sky);
}

TEST_F(FieldPainterTest, TheTitleIsCentredOnItsMeasuredExtent) {
    painter.DrawTitle("Lumabels");
    int left = 400, right = -1, top = 300, bottom = -1;
    for (int y = 0; y < 300; ++y) {
        for (int x = 0; x < 400; ++x) {
            const QRgb c = At(x, y);
            ASSERT_TRUE((c & 0xFFFF00U) == ((c & 0xFF0000U) >> 8 | (c & 0xFF0000U)) || c == Sky)
                << "only sky and grey text";
            if (c != Sky) {
                left = std::min(left, x);
                right = std::max(right, x);
                top = std::min(top, y);
                bottom = std::max(bottom, y);
            }
        }
    }
    ASSERT_GE(right, left);
    EXPECT_NEAR((left + right) / 2.0, 199.5, 3.0);
    EXPECT_NEAR((top + bottom) / 2.0, 149.5, 6.0);
    EXPECT_EQ(At(200, 150) == Sky, false);
}

TEST_F(FieldPainterTest, ResultsAreOutlinedTextInACentredBlockOverTheLastFrame) {
    WorldProbe::SetLumabels(world, {{{0, 0, 400, 96}, 0, -7}});
    painter.DrawPlayfield(world);
    const QRect block = painter.DrawResults(ResultTextsOf(world, options, QtTranslator()));
    EXPECT_GT(block.width(), 0);
    EXPECT_EQ(block.height() % 5, 0);
    EXPECT_NEAR(block.center().x(), 199.5, 1.0);
    EXPECT_NEAR(block.center().y(), 149.5, 1.0);
    EXPECT_EQ(At(0, 0), Stripes[0]);  // nothing outside the block was erased
    EXPECT_EQ(At(0, 299), Sky);
    int white = 0;
    int outline = 0;
    for (int y = block.top() - 1; y <= block.bottom() + 1; ++y) {
        for (int x = 0; x < 400; ++x) {
            white += At(x, y) == White ? 1 : 0;
            outline += At(x, y) == FieldLook::ResultsOutline ? 1 : 0;
        }
    }
    EXPECT_GT(white, 100);
    EXPECT_GT(outline, 20);
}
