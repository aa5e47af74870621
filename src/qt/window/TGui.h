#pragma once

#include <QEvent>
#include <QMainWindow>
#include <QTimer>
#include <cstdint>
#include <memory>
#include <optional>

#include "engine/PlayClock.h"
#include "qt/desktop/HelpViewer.h"
#include "qt/process/KeptSettings.h"
#include "qt/process/SaveAtExit.h"
#include "qt/process/WindowDestroyWatch.h"
#include "qt/window/FieldPainter.h"
#include "qt/window/NotePlayerOutput.h"
#include "settings/AppSystemOptions.h"

namespace Ui {
class TGui;
}
class QMenu;
class TickCounter;

// The main window: the state machine, the self-paced tick loop, drawing and input.
class TGui : public QMainWindow {
    Q_OBJECT

  public:
    enum GameState : std::uint8_t {
        stReset = 1,
        stTitle = 2,
        stPlaying = 3,
        stResults = 4,
        stSuspended = 5,
        stClosing = 6,
    };
    // The private event that drives the loop; one is in the queue at any time.
    static constexpr QEvent::Type TickMessage = static_cast<QEvent::Type>(1025);

    explicit TGui(const TickCounter& ticks);
    ~TGui() override;

  protected:
    void customEvent(QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void moveEvent(QMoveEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    friend struct TGuiProbe;  // lets tests and benchmarks drive the window and look inside

    void SetState(GameState state);
    void Tick();
    void OnTickMessage();
    void ApplySystemOptions(AppSystemOptions options);
    void LoadSettings();
    void SaveSettings();

    void DrawTitle(bool present);
    void DrawPlayfield(bool present);
    void DrawResults(bool present);

    // Input, as the field hands it over.
    void FormKeyDown(int key);
    void FormKeyUp(int key);
    void FormMouseDown(Qt::MouseButton button, int x, int y);
    void PopupMenu1Popup();

    void Game_MItemClick(QObject* sender);
    void Help_MItemClick(QObject* sender);
    void Popup_MItemClick(QObject* sender);
    void OptionsCommand();
    void StartNewIfEnabled();
    void AnnounceScreen();
    void CreateBackBuffer(qreal pixelRatio);
    void OnPixelRatioChanged(qreal pixelRatio);
    void SetStaysOnTop(bool onTop);
    void PostTickMessage();
    void PacingWait();
    void WaitForEvents(std::uint32_t milliseconds);
    bool NothingCanChange() const;
    void ParkTicks();
    void ResumeTicks();
    void OnWindowShownOrHidden();
    void FollowWithTheSoundDevice();
    void OnDeviceCloseTimer();
    void Present(const QRect& area);
    void ShiftClick();
    bool UserInterfaceBusy() const;
    static bool PlatformReportsPosition();
    // What a save would write now; KeepSettings keeps a copy of it for a save without the window.
    StoredSettings CurrentSettings() const;
    void KeepSettings();
    void SaveNewRecord();
    bool GameSetRecord() const;
    void OnWindowDestroyedOutside();
    void ShowHelpFailed(const QString& path);

    std::unique_ptr<Ui::TGui> ui_;
    GameState State{};  // 0, no state, while the constructor runs
    std::unique_ptr<QImage> BackBuffer;
    AppSystemOptions CurrentSystemOptions;
    std::int32_t ShiftCount = 0;

    const TickCounter& ticks_;
    // The world's clock: it stops while a menu or a dialog holds the game, so a game's time
    // is the time it was played.
    PlayClock playClock_;
    QMenu* PopupMenu1 = nullptr;
    std::unique_ptr<FieldPainter> painter_;
    NotePlayerOutput notes_;
    QTimer wakeTimer_;          // ends a wait for events when the time left has run out
    QTimer deviceCloseTimer_;   // gives the sound device back once the last note is over
    QPoint lastKnownPosition_;  // kept for platforms that cannot tell where the window is
    // The window has been asked to close: the pacing wait has nothing left to pace.
    bool closeRequested_ = false;
    // The tick chain stands still, no tick message queued, while nothing on screen can change.
    bool ticksParked_ = false;
    // The next tick message only waits: the game has just started or resumed, and its first
    // step is due a whole interval later, as every other step.
    bool waitBeforeStep_ = false;
    KeptSettings kept_;
    // Armed once there is something to save; disarmed before kept_ goes, after the closing save.
    std::optional<SaveAtExit> saveAtExit_;
    WindowDestroyWatch destroyWatch_;
    HelpViewer helpViewer_;
};

// The main window, while it exists.
extern TGui* Gui;
