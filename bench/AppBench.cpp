#include <benchmark/benchmark.h>

#include <QApplication>
#include <QImage>
#include <QRegion>
#include <QTemporaryDir>
#include <QWindow>
#include <algorithm>
#include <chrono>
#include <thread>
#include <vector>

#include "engine/FieldLook.h"
#include "engine/NoteOutput.h"
#include "engine/SeededRandom.h"
#include "engine/TickCounter.h"
#include "engine/World.h"
#include "qt/LumabelsApplication.h"
#include "qt/desktop/QtTranslator.h"
#include "qt/process/ProgramGlobals.h"
#include "qt/window/FieldPainter.h"
#include "qt/window/MainWindow.h"
#include "qt/window/PlayfieldView.h"
#include "settings/CurrentPlayOptions.h"
#include "shell/ShellTexts.h"
#include "support/MainWindowProbe.h"
#include "support/ManualTickCounter.h"
#include "support/WorldProbe.h"

namespace {

class DiscardNotes final : public NoteOutput {
  public:
    void Play(NoteNumber) override {}
};

void FullField(World& world) {
    world.NewGame();
    // Hold the band still so the game never ends.
    Band band;
    world.GetLumabel(0, band);
    band.SpeedY = 0;
    WorldProbe::SetLumabel(world, 0, band);
}

AppPlayOptions FullOptions(std::int32_t interval) {
    AppPlayOptions options;
    options.NumLumabels = 16;
    options.NumClouds = 16;
    options.Interval = interval;
    options.SoundOn = false;
    return options;
}

// The main window reads settings.ini when it is made, and the file the previous window saved
// would overrule options put in force before: apply them once the window exists, and make sure
// they hold.
bool UseOptions(benchmark::State& state, const AppPlayOptions& options) {
    ApplyPlayOptions(options);
    if (CurrentPlayOptions.Interval != options.Interval ||
        CurrentPlayOptions.NumLumabels != options.NumLumabels ||
        CurrentPlayOptions.NumClouds != options.NumClouds) {
        state.SkipWithError("the options did not take effect");
        return false;
    }
    return true;
}

bool WaitUntilExposed(QWidget& window) {
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(5);
    QApplication::processEvents();
    while (window.windowHandle() == nullptr || !window.windowHandle()->isExposed()) {
        if (std::chrono::steady_clock::now() > deadline) {
            return false;
        }
        QApplication::processEvents(QEventLoop::AllEvents, 10);
        std::this_thread::sleep_for(std::chrono::milliseconds(1));
    }
    QApplication::processEvents();
    return true;
}

}  // namespace

// The busiest field, 16 lumabels over 16 clouds with the character, and a painter for it.
struct BusyScene {
    AppPlayOptions options = FullOptions(100);
    DiscardNotes notes;
    SeededRandom random{3};
    ManualTickCounter ticks;
    World world{WorldServices{options, notes, random, ticks}};
    QImage image{400, 300, QImage::Format_RGB32};
    FieldPainter painter{image, random};

    BusyScene() { FullField(world); }
};

static void BM_DrawPlayfield16x16(benchmark::State& state) {
    BusyScene scene;
    for (auto _ : state) {
        scene.painter.DrawPlayfield(scene.world);
        benchmark::ClobberMemory();
    }
}
BENCHMARK(BM_DrawPlayfield16x16)->Unit(benchmark::kMicrosecond);

static void BM_DrawResults(benchmark::State& state) {
    BusyScene scene;
    for (auto _ : state) {
        scene.painter.DrawResults(ResultTextsOf(scene.world, scene.options, QtTranslator()));
        benchmark::ClobberMemory();
    }
}
BENCHMARK(BM_DrawResults)->Unit(benchmark::kMicrosecond);

static void BM_DrawTitle(benchmark::State& state) {
    SeededRandom random(3);
    QImage image(400, 300, QImage::Format_RGB32);
    FieldPainter painter(image, random);
    for (auto _ : state) {
        painter.DrawTitle(QStringLiteral("Lumabels"));
        benchmark::ClobberMemory();
    }
}
BENCHMARK(BM_DrawTitle)->Unit(benchmark::kMicrosecond);

// A whole tick in play: step, draw and the synchronous repaint of the shown window.
static void BM_WholeTick(benchmark::State& state) {
    MainWindow gui(SystemTickCounter());
    if (!UseOptions(state, FullOptions(100))) {
        return;
    }
    gui.show();
    // On a real X server the window is mapped some time after show(); until then a repaint
    // reaches no screen and the figure would be too good.
    if (!WaitUntilExposed(gui)) {
        state.SkipWithError("the window was never exposed");
        return;
    }
    MainWindowProbe::SetState(gui, GameShell::Playing);
    Band band;
    MainWindowProbe::World(gui).GetLumabel(0, band);
    band.SpeedY = 0;
    WorldProbe::SetLumabel(MainWindowProbe::World(gui), 0, band);
    for (auto _ : state) {
        MainWindowProbe::Tick(gui);
    }
    if (MainWindowProbe::State(gui) != GameShell::Playing) {
        state.SkipWithError("the game ended");
    }
}
BENCHMARK(BM_WholeTick)->Unit(benchmark::kMicrosecond);

namespace {
// What a step of the busiest field changes: every lumabel where it was and where it is now, and
// the character, whose eyes may blink in any frame.
QRegion ChangedByAStep() {
    BusyScene scene;
    auto where = [&scene] {
        QRegion region;
        Band lumabel;
        for (std::int32_t j = 0; j < scene.world.GetLumabelCount(); ++j) {
            scene.world.GetLumabel(j, lumabel);
            const Rect& r = lumabel.Rect;
            region += QRect(r.Left, r.Top, r.Right - r.Left, r.Bottom - r.Top);
            if (j == scene.world.GetCurrentLumabel()) {
                // The character's picture stands on her lumabel.
                region += QRect(scene.world.GetCharacterX() - FieldLook::CharacterOffsetX,
                                r.Top - FieldLook::CharacterOffsetY, FieldLook::CharacterWidth,
                                FieldLook::CharacterHeight);
            }
        }
        return region;
    };
    const QRegion before = where();
    scene.world.Step();
    return before.united(where()).intersected(QRect(0, 0, 400, 300));
}
}  // namespace

// Handing a frame to the window by the area handed over: the whole field (what a tick does),
// only what a step of the busiest field changed, and one block of the same area. Would
// drawing only what changed pay? Only if the cost follows the area.
static void BM_Present(benchmark::State& state) {
    QImage image(400, 300, QImage::Format_RGB32);
    image.fill(QColor(0, 0, 128));
    PlayfieldView view;
    view.SetBackBuffer(&image);
    view.setFixedSize(image.size());
    view.show();
    if (!WaitUntilExposed(view)) {
        state.SkipWithError("the window was never exposed");
        return;
    }
    const QRegion changed = ChangedByAStep();
    std::int64_t changedArea = 0;
    for (const QRect& piece : changed) {
        changedArea += static_cast<std::int64_t>(piece.width()) * piece.height();
    }
    QRegion region(image.rect());
    if (state.range(0) == 1) {
        region = changed;
    } else if (state.range(0) == 2) {
        region = QRect(0, 0, 400, static_cast<int>(changedArea / 400));
    }
    for (auto _ : state) {
        view.repaint(region);
    }
    state.counters["rects"] = static_cast<double>(region.rectCount());
    state.counters["changed_pct"] = static_cast<double>(changedArea) / (400.0 * 300.0) * 100.0;
}
BENCHMARK(BM_Present)->Arg(0)->Arg(1)->Arg(2)->Unit(benchmark::kMicrosecond);

// A game in play that never ends: the band is held still.
static void PlayForever(MainWindow& gui) {
    MainWindowProbe::SetState(gui, GameShell::Playing);
    Band band;
    MainWindowProbe::World(gui).GetLumabel(0, band);
    band.SpeedY = 0;
    WorldProbe::SetLumabel(MainWindowProbe::World(gui), 0, band);
}

// Runs the event loop, as the game does, until the next step has moved the other bands.
static void AwaitStep(MainWindow& gui) {
    const auto where = [&gui] {
        Band band;
        MainWindowProbe::World(gui).GetLumabel(1, band);
        return band.Rect;
    };
    const Rect before = where();
    while (where() == before) {
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
    }
}

// How far each step overshoots its interval: the period between two steps, minus the
// interval. A game in play, the only state that is paced: the other
// screens sleep until something happens.
static void BM_PacingError(benchmark::State& state) {
    const auto interval = static_cast<std::int32_t>(state.range(0));
    MainWindow gui(SystemTickCounter());
    if (!UseOptions(state, FullOptions(interval))) {
        return;
    }
    PlayForever(gui);
    AwaitStep(gui);
    std::vector<double> errors;
    auto last = std::chrono::steady_clock::now();
    for (auto _ : state) {
        AwaitStep(gui);
        const auto now = std::chrono::steady_clock::now();
        errors.push_back(std::chrono::duration<double, std::milli>(now - last).count() - interval);
        last = now;
    }
    std::sort(errors.begin(), errors.end());
    state.counters["median_ms"] = errors[errors.size() / 2];
    state.counters["p99_ms"] = errors[errors.size() * 99 / 100];
}
BENCHMARK(BM_PacingError)->Arg(1)->Iterations(500)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_PacingError)->Arg(16)->Iterations(200)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_PacingError)->Arg(100)->Iterations(40)->Unit(benchmark::kMillisecond);
// Ten passes are enough to see whether a long wait drifts, and keep the run to ten seconds.
BENCHMARK(BM_PacingError)->Arg(1000)->Iterations(10)->Unit(benchmark::kMillisecond);

namespace {
// Records when an event posted from another thread is finally handled on the UI thread.
class LatencyProbe : public QObject {
  public:
    std::chrono::steady_clock::time_point handled;
    bool event(QEvent* event) override {
        if (event->type() == QEvent::User) {
            handled = std::chrono::steady_clock::now();
            return true;
        }
        return QObject::event(event);
    }
};
}  // namespace

// How long input waits while the game waits for its next step: an event posted from another
// thread at a random moment of a 100 ms wait, from posting to handling.
static void BM_InputLatencyDuringWait(benchmark::State& state) {
    MainWindow gui(SystemTickCounter());
    if (!UseOptions(state, FullOptions(100))) {
        return;
    }
    PlayForever(gui);
    LatencyProbe probe;
    std::vector<double> latencies;
    for (auto _ : state) {
        std::chrono::steady_clock::time_point posted;
        std::thread poster([&] {
            std::this_thread::sleep_for(std::chrono::milliseconds(20 + latencies.size() % 50));
            posted = std::chrono::steady_clock::now();
            QCoreApplication::postEvent(&probe, new QEvent(QEvent::User));
        });
        AwaitStep(gui);
        poster.join();
        while (probe.handled < posted) {  // a step came before the event was posted
            QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
        }
        latencies.push_back(
            std::chrono::duration<double, std::milli>(probe.handled - posted).count());
    }
    std::sort(latencies.begin(), latencies.end());
    state.counters["median_ms"] = latencies[latencies.size() / 2];
    state.counters["max_ms"] = latencies.back();
}
BENCHMARK(BM_InputLatencyDuringWait)->Iterations(30)->Unit(benchmark::kMillisecond);

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    qputenv("SDL_AUDIODRIVER", "dummy");
    InitProgramPaths();
    Q_INIT_RESOURCE(lumabels);
    LumabelsApplication app(argc, argv);
    // The windows made here save their settings; keep them away from any real ones.
    const QTemporaryDir scratch;
    SettingsPath = scratch.filePath(QStringLiteral("settings.ini")).toStdString();
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
