#include <gtest/gtest.h>

#include <QtGlobal>

#include "qt/LumabelsApplication.h"
#include "qt/process/ProgramGlobals.h"

// Widget tests run on Qt's offscreen platform: no display, no window manager, no sound.
int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    qputenv("SDL_AUDIODRIVER", "dummy");
    qputenv("SDL_AUDIO_DRIVER", "dummy");
    ::testing::InitGoogleTest(&argc, argv);
    InitProgramPaths();
    Q_INIT_RESOURCE(lumabels);
    LumabelsApplication app(argc, argv);
    return RUN_ALL_TESTS();
}
