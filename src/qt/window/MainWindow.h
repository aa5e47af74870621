#pragma once

#include <QMainWindow>
#include <QTimer>
#include <memory>
#include <optional>

#include "qt/desktop/HelpViewer.h"
#include "qt/desktop/QtTranslator.h"
#include "qt/process/SaveAtExit.h"
#include "qt/process/WindowDestroyWatch.h"
#include "qt/window/FieldPainter.h"
#include "qt/window/NotePlayerOutput.h"
#include "shell/GameShell.h"

namespace Ui {
class MainWindow;
}
class QMenu;
class TickCounter;

// The main window: the game's face on Qt. It draws what the game shell asks for, wakes it when
// it asked to be woken, and hands it the player's keys, clicks and commands.
class MainWindow : public QMainWindow, private ShellPort {
    Q_OBJECT

  public:
    explicit MainWindow(const TickCounter& ticks);
    ~MainWindow() override;

  protected:
    void closeEvent(QCloseEvent* event) override;
    void moveEvent(QMoveEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    friend struct MainWindowProbe;  // lets tests and benchmarks drive the window and look inside

    // Input, as the field hands it over.
    void FormKeyDown(int key);
    void FormKeyUp(int key);
    void FormMouseDown(Qt::MouseButton button, int x, int y);
    void PopupMenu1Popup();

    void Game_MItemClick(QObject* sender);
    void Help_MItemClick(QObject* sender);
    void Popup_MItemClick(QObject* sender);
    void CreateBackBuffer(qreal pixelRatio);
    void OnPixelRatioChanged(qreal pixelRatio);
    void OnWindowShownOrHidden();
    void WakeGame();
    void OnDeviceCloseTimer();
    void Present(const QRect& area);
    bool UserInterfaceBusy() const;
    static bool PlatformReportsPosition();
    void OnWindowDestroyedOutside();

    // What the game asks of its face.
    void DrawTitle(bool present) override;
    void DrawPlayfield(const World& world, bool present) override;
    void DrawResults(const ResultTexts& lines, bool present) override;
    void Announce(const std::string& name, const std::string& description, bool alert) override;
    void ArmWakeUp(std::optional<std::uint32_t> milliseconds) override;
    void WantSoundDevice(bool wanted) override;
    bool ShowMessage(MessageId id, const std::string& caption, const std::string& text) override;
    std::optional<OptionRecords> RunOptionsDialog(const OptionRecords& current) override;
    void ShowAbout() override;
    void OpenHelpPage() override;
    void ActivateNewItem() override;
    std::optional<FieldPoint> PointerInField() const override;
    WindowPosition CurrentPosition() const override;
    void TakeStoredPosition(const WindowPosition& stored, bool move) override;
    void SetStaysOnTop(bool onTop) override;

    std::unique_ptr<Ui::MainWindow> ui_;
    std::unique_ptr<QImage> backBuffer_;
    QMenu* popupMenu_ = nullptr;
    std::unique_ptr<FieldPainter> painter_;
    NotePlayerOutput notes_;
    QtTranslator translator_;
    QTimer wakeTimer_;          // wakes the game when it asked to be woken
    QTimer deviceCloseTimer_;   // gives the sound device back once the last note is over
    QPoint lastKnownPosition_;  // kept for platforms that cannot tell where the window is
    // A menu, the popup, a message box or a dialog was open when last looked.
    bool heldByInterface_ = false;
    WindowDestroyWatch destroyWatch_;
    HelpViewer helpViewer_;
    GameShell shell_;  // after all it calls, so it goes first
    // Armed once there is something to save; disarmed before the shell goes, after its save.
    std::optional<SaveAtExit> saveAtExit_;
};

// The main window, while it exists.
extern MainWindow* Gui;
