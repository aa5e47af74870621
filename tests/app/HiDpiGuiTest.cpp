#include <gtest/gtest.h>

#include <QImage>
#include <QPixmap>
#include <QTemporaryDir>

#include "app/FastTickCounter.h"
#include "engine/FieldLook.h"
#include "qt/process/ProgramGlobals.h"
#include "qt/window/MainWindow.h"
#include "settings/CurrentPlayOptions.h"
#include "support/MainWindowProbe.h"

// Runs with QT_SCALE_FACTOR set: the window keeps its logical 400 x 300 field while the
// picture has the screen's pixels.
TEST(HiDpiGui, TheFieldIsDrawnAtTheScreensResolution) {
    const qreal ratio = qEnvironmentVariable("QT_SCALE_FACTOR", "1").toDouble();
    QTemporaryDir folder;
    SettingsPath = folder.filePath("settings.ini").toStdString();
    FastTickCounter ticks;
    MainWindow gui(ticks);
    gui.show();
    EXPECT_DOUBLE_EQ(gui.devicePixelRatioF(), ratio);
    EXPECT_EQ(gui.centralWidget()->size(), QSize(400, 300));
    EXPECT_EQ(MainWindowProbe::BackBuffer(gui).size(), (QSizeF(400, 300) * ratio).toSize());

    AppPlayOptions bare;  // the band alone: nothing random lies at the pixels looked at
    bare.NumLumabels = 1;
    bare.NumClouds = 0;
    ApplyPlayOptions(bare);
    MainWindowProbe::SetState(gui, GameShell::Playing);
    const QImage shown = gui.centralWidget()->grab().toImage();
    ASSERT_EQ(shown.size(), (QSizeF(400, 300) * ratio).toSize());
    // The band's top stripe starts at logical row 204: crisp at the new resolution.
    const int x = static_cast<int>(10 * ratio);
    const int top = static_cast<int>(204 * ratio);
    EXPECT_EQ(shown.pixel(x, top - 1) & 0xFFFFFFU, FieldLook::Sky);
    EXPECT_EQ(shown.pixel(x, top) & 0xFFFFFFU, FieldLook::Stripes[0]);
    EXPECT_EQ(shown.pixel(x, static_cast<int>(220 * ratio)) & 0xFFFFFFU, FieldLook::Stripes[1]);
    EXPECT_EQ(shown.pixel(x, static_cast<int>(220 * ratio) - 1) & 0xFFFFFFU, FieldLook::Stripes[0]);
}
