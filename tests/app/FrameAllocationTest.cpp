#include <gtest/gtest.h>

#include <QApplication>
#include <QImage>
#include <QPainter>
#include <QPixmap>

#include "engine/FieldLook.h"
#include "engine/NoteOutput.h"
#include "engine/SeededRandom.h"
#include "engine/World.h"
#include "qt/window/FieldPainter.h"
#include "settings/AppPlayOptions.h"
#include "support/CountingAllocator.h"
#include "support/ManualTickCounter.h"

// Nothing in play allocates: not the rules (allocation_tests) and not the drawing of a frame
// into the back buffer either. Runs on its own, since it replaces the global allocator.
namespace {

class SilentNotes final : public NoteOutput {
  public:
    void Play(NoteNumber /*note*/) override {}
};

class FrameAllocation : public ::testing::Test {
  protected:
    FrameAllocation() {
        painter.SetCharacterImages(QPixmap(QStringLiteral(":/images/character-open.png")),
                                   QPixmap(QStringLiteral(":/images/character-closed.png")));
    }

    AppPlayOptions options;
    SilentNotes notes;
    SeededRandom random{5};
    ManualTickCounter ticks;
    World world{WorldServices{options, notes, random, ticks}};
    QImage buffer = [] {
        QImage image(400, 300, QImage::Format_RGB32);
        image.fill(Qt::black);
        return image;
    }();
    FieldPainter painter{buffer, random};
};

}  // namespace

TEST_F(FrameAllocation, DrawingThePlayFieldAllocatesNothing) {
    SeededRandom player(11);
    long frames = 0;
    long allocations = 0;
    for (int game = 0; game < 40; ++game) {
        options.NumLumabels = game % 16 + 1;
        options.NumClouds = game % 17;
        world.NewGame();
        painter.DrawPlayfield(world);  // the first frame of a game may set things up
        CountingAllocator::Start();
        while (!world.IsGameOver()) {
            world.Click(player.Below(400), player.Below(300));
            world.Step();
            painter.DrawPlayfield(world);
            ticks.Set(ticks.Now() + 16);
            ++frames;
        }
        allocations += CountingAllocator::Stop();
    }
    EXPECT_EQ(allocations, 0) << "in " << frames << " frames";
    EXPECT_GT(frames, 1000);
    // The frames really were drawn: the last one shows the sky, not the black it began as.
    int sky = 0;
    for (int y = 0; y < buffer.height(); ++y) {
        for (int x = 0; x < buffer.width(); ++x) {
            sky += (buffer.pixel(x, y) & 0xFFFFFFU) == FieldLook::Sky ? 1 : 0;
        }
    }
    EXPECT_GT(sky, 1000);
}

TEST_F(FrameAllocation, TheCounterSeesAPainterMadeForAFrame) {
    CountingAllocator::Start();
    {
        QPainter extra(&buffer);
        extra.fillRect(0, 0, 1, 1, Qt::red);
    }
    EXPECT_GT(CountingAllocator::Stop(), 0);
}

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    ::testing::InitGoogleTest(&argc, argv);
    Q_INIT_RESOURCE(lumabels);
    QApplication app(argc, argv);
    return RUN_ALL_TESTS();
}
