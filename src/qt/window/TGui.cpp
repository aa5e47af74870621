#include "qt/window/TGui.h"

#include <QApplication>
#include <QCursor>
#include <QDir>
#include <QFileInfo>
#include <QImage>
#include <QMenu>
#include <QMessageBox>
#include <QWindow>
#include <chrono>
#include <cstdio>
#include <exception>
#include <utility>

#include "desktop/HelpPage.h"
#include "engine/Geometry.h"
#include "engine/RandomSource.h"
#include "engine/TickCounter.h"
#include "qt/desktop/TerminalText.h"
#include "qt/dialogs/TAboutDialog.h"
#include "qt/dialogs/TOptionsDialog.h"
#include "qt/process/ProgramGlobals.h"
#include "qt/window/ToQRect.h"
#include "settings/CurrentPlayOptions.h"
#include "settings/SettingsFile.h"
#include "ui_TGui.h"

TGui* Gui = nullptr;

namespace {

constexpr int KeyShift = Qt::Key_Shift;
constexpr std::int32_t ShiftCountLimit = 16;
constexpr std::uint32_t LongestWait = 100;  // milliseconds
// How long the sound device stays open after the last note outside play has died away: a
// game started again at once finds it still open.
constexpr std::chrono::milliseconds DeviceGrace(500);

const char* const HelpCaption = QT_TRANSLATE_NOOP("TGui", "Help");
const char* const HelpText = QT_TRANSLATE_NOOP("TGui", "Opening HTML help file.\n\nSure?");
const char* const HelpFailedText =
    QT_TRANSLATE_NOOP("TGui",
                      "No browser could be started to show the help page. You can open it "
                      "yourself:\n\n%1");
const char* const TipsCaption = QT_TRANSLATE_NOOP("TGui", "Tips");
const char* const TipsText =
    QT_TRANSLATE_NOOP("TGui",
                      "A new lumabel comes out when a cloud is clicked.\n\n"
                      "[Shift] functions as left mouse click while playing the game.");

}  // namespace

TGui::TGui(const TickCounter& ticks)
    : QMainWindow(nullptr, Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                               Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint),
      ui_(std::make_unique<Ui::TGui>()),
      ticks_(ticks),
      playClock_(ticks),
      kept_(SettingsPath),
      destroyWatch_(*this, [this] { OnWindowDestroyedOutside(); }) {
    ui_->setupUi(this);
    PopupMenu1 = new QMenu(this);
    PopupMenu1->setObjectName(QStringLiteral("PopupMenu1"));
    PopupMenu1->addActions({ui_->Popup_New_MItem, ui_->N4, ui_->Popup_Options_MItem});
    for (QAction* item : {ui_->Game_New_MItem, ui_->Game_Options_MItem, ui_->Game_Exit_MItem}) {
        connect(item, &QAction::triggered, this, [this, item] { Game_MItemClick(item); });
    }
    for (QAction* item : {ui_->Help_Help_MItem, ui_->Help_Tips_MItem, ui_->Help_About_MItem}) {
        connect(item, &QAction::triggered, this, [this, item] { Help_MItemClick(item); });
    }
    for (QAction* item : {ui_->Popup_New_MItem, ui_->Popup_Options_MItem}) {
        connect(item, &QAction::triggered, this, [this, item] { Popup_MItemClick(item); });
    }
    connect(ui_->Field, &PlayfieldView::KeyDown, this, &TGui::FormKeyDown);
    connect(ui_->Field, &PlayfieldView::KeyUp, this, &TGui::FormKeyUp);
    connect(ui_->Field, &PlayfieldView::MouseDown, this, &TGui::FormMouseDown);
    connect(ui_->Field, &PlayfieldView::PopupRequested, this, [this](const QPoint& at) {
        PopupMenu1Popup();
        PopupMenu1->exec(at);
    });
    wakeTimer_.setSingleShot(true);
    wakeTimer_.setTimerType(Qt::PreciseTimer);
    deviceCloseTimer_.setSingleShot(true);
    connect(&deviceCloseTimer_, &QTimer::timeout, this, &TGui::OnDeviceCloseTimer);
    // Menus and dialogs hold the game; their coming and going is watched to let it go on.
    QCoreApplication::instance()->installEventFilter(this);

    SeedWithCalendarTime(ProcessRandom());
    setWindowTitle(QString::fromStdString(TitleText));
    CreateBackBuffer(devicePixelRatioF());
    World = std::make_unique<AppPattern>(
        PatternServices{CurrentPlayOptions, notes_, ProcessRandom(), playClock_});
    NotePlayer = std::make_unique<AppSound>(SoundDir, CurrentPlayOptions);
    connect(ui_->Field, &PlayfieldView::PixelRatioChanged, this, &TGui::OnPixelRatioChanged);
    // A child, so that a viewer it is still waiting on can be found from the window.
    helpViewer_.setParent(this);
    connect(&helpViewer_, &HelpViewer::Failed, this, &TGui::ShowHelpFailed);
    ui_->Field->setFocus();
    setFixedSize(sizeHint());
    LoadSettings();
    saveAtExit_.emplace(kept_);
    // A desktop session that ends asks every program to save its data first.
    connect(qApp, &QGuiApplication::commitDataRequest, this, &TGui::SaveSettings);

    PostTickMessage();
    SetState(stReset);
}

TGui::~TGui() {
    SetState(stSuspended);
    SetState(stClosing);
    SaveSettings();
    NotePlayer.reset();
    World.reset();
    ui_->Field->SetBackBuffer(nullptr);
    painter_.reset();
    BackBuffer.reset();
}

void TGui::CreateBackBuffer(qreal pixelRatio) {
    // The field stays 400 x 300 in logical pixels; the picture has as many pixels as the
    // screen shows there, so edges and text stay crisp on a HiDPI screen.
    const QSize logical = ToQRect(FieldRect).size();
    auto buffer =
        std::make_unique<QImage>((QSizeF(logical) * pixelRatio).toSize(), QImage::Format_RGB32);
    buffer->setDevicePixelRatio(pixelRatio);
    buffer->fill(Qt::black);
    auto painter = std::make_unique<FieldPainter>(*buffer, ProcessRandom());
    painter->SetCharacterImages(QPixmap(QStringLiteral(":/images/character-open.png")),
                                QPixmap(QStringLiteral(":/images/character-closed.png")));
    ui_->Field->SetBackBuffer(buffer.get());
    painter_ = std::move(painter);
    BackBuffer = std::move(buffer);
}

void TGui::OnPixelRatioChanged(qreal pixelRatio) {
    CreateBackBuffer(pixelRatio);
    // Draw again what was on show, without presenting: a paint is under way.
    switch (State) {
        case stPlaying:
            DrawPlayfield(false);
            break;
        case stResults:
            DrawPlayfield(false);
            DrawResults(false);
            break;
        default:
            DrawTitle(false);
            break;
    }
}

void TGui::SetState(GameState state) {
    State = state;
    switch (State) {
        case stReset:
            SetState(stTitle);  // which tells a screen reader of the title screen
            return;
        case stTitle:
            DrawTitle(true);
            break;
        case stPlaying:
            World->NewGame();
            DrawPlayfield(true);
            ResumeTicks();
            break;
        case stResults:
            DrawResults(true);
            break;
        default:
            break;
    }
    AnnounceScreen();
}

void TGui::AnnounceScreen() {
    // A screen reader cannot see the picture: the field names what it shows.
    switch (State) {
        case stTitle:
            ui_->Field->Announce(QString::fromStdString(TitleText),
                                 tr("Title screen. Space, Enter or a click starts a game."));
            break;
        case stPlaying:
            ui_->Field->Announce(
                tr("Playing, score %1").arg(World->GetScore()),
                tr("Click a band that overlaps hers, or a cloud. Shift clicks at the pointer."));
            break;
        case stResults: {
            const std::array<QString, 5> lines =
                FieldPainter::ResultTexts(*World, CurrentPlayOptions);
            QString name = lines[0] + QLatin1Char('\n') + lines[2] + QLatin1Char('\n') + lines[4];
            if (GameSetRecord()) {
                name += QLatin1Char('\n') + tr("A new record!");
            }
            ui_->Field->Announce(name, tr("Results screen. Space or Enter starts a new game."));
            ui_->Field->Alert();
            break;
        }
        default:
            break;
    }
}

bool TGui::UserInterfaceBusy() const {
    // Qt's menus do not hold up the loop by themselves; the game must still stand still
    // while a menu, the popup, a message box or a dialog is open.
    return QApplication::activePopupWidget() != nullptr ||
           QApplication::activeModalWidget() != nullptr;
}

void TGui::Tick() {
    if (State != stPlaying || UserInterfaceBusy()) {
        return;
    }
    World->Step();
    DrawPlayfield(true);
    if (World->IsGameOver()) {
        SetState(stResults);
        SaveNewRecord();
    }
}

void TGui::customEvent(QEvent* event) {
    if (event->type() == TickMessage) {
        OnTickMessage();
    }
}

void TGui::PostTickMessage() {
    // Qt takes ownership of a posted event.
    QCoreApplication::postEvent(this, new QEvent(TickMessage));
}

void TGui::OnTickMessage() {
    bool posted = false;
    try {
        if (!std::exchange(waitBeforeStep_, false)) {
            Tick();
        }
        PacingWait();
        LastTickTime = ticks_.Now();
        if (State == stClosing) {
            return;
        }
        QCoreApplication::processEvents();
        if (NothingCanChange()) {
            ParkTicks();
            return;
        }
        PostTickMessage();
        posted = true;
    } catch (...) {
        // Whatever went wrong is shown by the application; the loop must go on regardless.
        if (!posted && State != stClosing) {
            PostTickMessage();
        }
        throw;
    }
}

bool TGui::NothingCanChange() const {
    return State != stPlaying || UserInterfaceBusy();
}

void TGui::ParkTicks() {
    // Nothing moves on the title and results screens, nor in a game held by a menu or a
    // dialog: rather than wake to find that out, the loop sleeps in the application's event
    // loop until a new game, or the menu or dialog going away, sets it going again. A repaint
    // meanwhile comes from the back buffer as ever.
    ticksParked_ = true;
    FollowWithTheSoundDevice();
}

void TGui::ResumeTicks() {
    FollowWithTheSoundDevice();
    if (!ticksParked_ || State == stClosing || NothingCanChange()) {
        return;
    }
    ticksParked_ = false;
    waitBeforeStep_ = true;
    LastTickTime = ticks_.Now();
    PostTickMessage();
}

bool TGui::eventFilter(QObject* watched, QEvent* event) {
    const QEvent::Type type = event->type();
    if ((type == QEvent::Show || type == QEvent::Hide) && watched->isWidgetType() &&
        static_cast<QWidget*>(watched)->isWindow()) {
        // A menu or dialog is only counted as open or closed once Qt has done showing or
        // hiding it.
        QMetaObject::invokeMethod(this, &TGui::OnWindowShownOrHidden, Qt::QueuedConnection);
    }
    return QMainWindow::eventFilter(watched, event);
}

void TGui::OnWindowShownOrHidden() {
    playClock_.SetRunning(!UserInterfaceBusy());
    if (ticksParked_) {
        ResumeTicks();
    } else {
        FollowWithTheSoundDevice();
    }
}

void TGui::FollowWithTheSoundDevice() {
    if (NotePlayer == nullptr) {
        return;
    }
    if (State == stPlaying && !UserInterfaceBusy()) {
        // Opened before the first click, so the first note of a game sounds at once.
        deviceCloseTimer_.stop();
        NotePlayer->Hold();
    } else if (NotePlayer->IsHeld()) {
        NotePlayer->Release();
        deviceCloseTimer_.start(NotePlayer->TimeLeft() + DeviceGrace);
    }
}

void TGui::OnDeviceCloseTimer() {
    if (NotePlayer != nullptr && !NotePlayer->CloseIfIdle()) {
        deviceCloseTimer_.start(NotePlayer->TimeLeft() + DeviceGrace);
    }
}

void TGui::PacingWait() {
    // Once the window is closing there is nothing left to pace: the close, and the save,
    // should not wait up to a whole interval. Nor is there once nothing can change.
    while (!closeRequested_ && !NothingCanChange()) {
        const std::uint32_t interval = static_cast<std::uint32_t>(CurrentPlayOptions.Interval);
        const std::uint32_t elapsed = ticks_.Now() - LastTickTime;  // modulo 2^32
        if (elapsed >= interval) {
            return;
        }
        // Input wakes the wait the moment it arrives, so the wait can last much longer than
        // the 10 ms steps of a sleeping loop: an idle game wakes ten times a second, not a
        // hundred. Waits past 100 ms came back about 1 ms late, hence the cap.
        WaitForEvents(std::min(interval - elapsed, LongestWait));
    }
}

void TGui::WaitForEvents(std::uint32_t milliseconds) {
    QCoreApplication::processEvents(QEventLoop::AllEvents);
    // Block until input arrives or the time is up, whichever comes first.
    wakeTimer_.start(static_cast<int>(milliseconds));
    QCoreApplication::processEvents(QEventLoop::AllEvents | QEventLoop::WaitForMoreEvents);
    wakeTimer_.stop();
}

void TGui::ApplySystemOptions(AppSystemOptions options) {
    CurrentSystemOptions = options;
    if (CurrentSystemOptions.ClearRecord) {
        World->SetRecords(0, 0);
        CurrentSystemOptions.ClearRecord = false;
    }
    SetStaysOnTop(CurrentSystemOptions.StayOnTop);
}

void TGui::SetStaysOnTop(bool onTop) {
    Qt::WindowFlags flags = windowFlags();
    flags.setFlag(Qt::WindowStaysOnTopHint, onTop);
    QWindow* native = windowHandle();
    if (native == nullptr) {
        setWindowFlags(flags);  // nothing on screen yet: taken up when the window is made
        return;
    }
    // QWidget::setWindowFlags would destroy the native window and make a new one (the window
    // manager sees it vanish and reappear); the platform window can change its stacking in
    // place instead. The widget is told the new flags without passing them on a second time.
    overrideWindowFlags(flags);
    native->setFlags(flags);
}

void TGui::LoadSettings() {
    const StoredSettings stored =
        SettingsFile::ReadOrFallback(SettingsPath, SettingsFallbackPath, x(), y());
    ApplyPlayOptions(stored.Play);
    ApplySystemOptions(stored.System);
    if (CurrentSystemOptions.RestoreRecord) {
        World->SetRecords(stored.RecordScore, stored.RecordTime);
    }
    // Before the first show pos() is no real place, only 0, 0: without a position in the file
    // the window manager places the window; any stored position, 0, 0 included, is taken.
    if (CurrentSystemOptions.RestorePosition && stored.PositionStored) {
        move(stored.Left, stored.Top);
    }
    lastKnownPosition_ = QPoint(stored.Left, stored.Top);
    KeepSettings();
}

bool TGui::PlatformReportsPosition() {
    // A Wayland client neither places its window nor learns where it is: pos() is an
    // invented 0, 0 there.
    return !QGuiApplication::platformName().startsWith(QStringLiteral("wayland"));
}

StoredSettings TGui::CurrentSettings() const {
    StoredSettings stored;
    stored.Play = CurrentPlayOptions;
    stored.System = CurrentSystemOptions;
    stored.RecordScore = World->GetRecordScore();
    stored.RecordTime = World->GetRecordTime();
    const QPoint position = PlatformReportsPosition() ? pos() : lastKnownPosition_;
    stored.Left = position.x();
    stored.Top = position.y();
    return stored;
}

void TGui::KeepSettings() {
    kept_.Keep(CurrentSettings());
}

void TGui::SaveSettings() {
    KeepSettings();
    // A failed save changes nothing on disk. The window is closing, so the one word about it
    // goes to the terminal, if any, rather than to a box nobody would see.
    if (const std::optional<std::string> problem = kept_.WriteOrExplain()) {
        std::fprintf(stderr, "%s\n", problem->c_str());
    }
}

bool TGui::GameSetRecord() const {
    // The kept settings hold the records as they were before the game: they are kept afresh
    // whenever the records change, and a game's end is kept by SaveNewRecord, after this.
    const StoredSettings& kept = kept_.Latest();
    return World->GetRecordScore() != kept.RecordScore || World->GetRecordTime() != kept.RecordTime;
}

void TGui::SaveNewRecord() {
    // Written at once, so that even a power cut keeps the record; the file is the one a
    // close at this moment would write. A failure here is said by the save at the close.
    if (GameSetRecord()) {
        KeepSettings();
        kept_.Write();
    }
}

void TGui::OnWindowDestroyedOutside() {
    const std::string line =
        TerminalText("TGui", QT_TRANSLATE_NOOP("TGui",
                                               "Lumabels: another program destroyed the "
                                               "game's window; closing")) +
        "\n";
    std::fputs(line.c_str(), stderr);
    QCoreApplication::exit(1);
}

void TGui::closeEvent(QCloseEvent* event) {
    closeRequested_ = true;
    QMainWindow::closeEvent(event);
}

void TGui::moveEvent(QMoveEvent* event) {
    QMainWindow::moveEvent(event);
    if (World != nullptr) {
        KeepSettings();
    }
}

void TGui::Present(const QRect& area) {
    ui_->Field->repaint(area);
}

void TGui::DrawTitle(bool present) {
    painter_->DrawTitle(QString::fromStdString(TitleText));
    if (present) {
        Present(ToQRect(FieldRect));
    }
}

void TGui::DrawPlayfield(bool present) {
    painter_->DrawPlayfield(*World);
    if (present) {
        Present(ToQRect(FieldRect));
    }
}

void TGui::DrawResults(bool present) {
    const QRect block = painter_->DrawResults(*World, CurrentPlayOptions);
    if (present) {
        Present(block);
    }
}

void TGui::FormKeyDown(int key) {
    if (key == KeyShift && ShiftCount < ShiftCountLimit) {
        ++ShiftCount;
    }
    if (State == stTitle || State == stResults) {
        if (key == Qt::Key_Space || key == Qt::Key_Return || key == Qt::Key_Enter) {
            StartNewIfEnabled();
        }
    } else if (State == stPlaying && key == KeyShift && ShiftCount == 1) {
        ShiftClick();
    }
}

void TGui::ShiftClick() {
    const QPoint at = ui_->Field->mapFromGlobal(QCursor::pos());
    const Rect client{0, 0, ui_->Field->width(), ui_->Field->height()};
    if (!PointInRect(client, at.x(), at.y())) {
        return;  // the press is used up
    }
    FormMouseDown(Qt::LeftButton, at.x(), at.y());
}

void TGui::FormKeyUp(int key) {
    if (key == KeyShift) {
        ShiftCount = 0;
    }
}

void TGui::FormMouseDown(Qt::MouseButton button, int x, int y) {
    if (button != Qt::LeftButton) {
        return;
    }
    if (State == stTitle) {
        StartNewIfEnabled();
    } else if (State == stPlaying) {
        const std::int32_t score = World->GetScore();
        World->Click(x, y);
        if (World->GetScore() != score) {
            AnnounceScreen();
        }
    }
}

void TGui::Game_MItemClick(QObject* sender) {
    if (sender == ui_->Game_New_MItem) {
        SetState(stPlaying);
    } else if (sender == ui_->Game_Options_MItem) {
        OptionsCommand();
    } else if (sender == ui_->Game_Exit_MItem) {
        close();
    }
}

void TGui::StartNewIfEnabled() {
    if (ui_->Game_New_MItem->isEnabled()) {
        ui_->Game_New_MItem->trigger();
    }
}

void TGui::OptionsCommand() {
    if (OptionsDialog == nullptr) {
        return;
    }
    OptionsDialog->SetPlayOptions(CurrentPlayOptions);
    OptionsDialog->SetSystemOptions(CurrentSystemOptions);
    // Cancel changes nothing, and a game in progress carries on where it stood.
    if (OptionsDialog->exec() != ModalResult::Ok) {
        return;
    }
    SetState(stSuspended);
    ApplyPlayOptions(OptionsDialog->GetPlayOptions());
    ApplySystemOptions(OptionsDialog->GetSystemOptions());
    SetState(stReset);
    KeepSettings();
}

void TGui::Help_MItemClick(QObject* sender) {
    if (sender == ui_->Help_Help_MItem) {
        QMessageBox box(QMessageBox::Question, tr(HelpCaption), tr(HelpText),
                        QMessageBox::Ok | QMessageBox::Cancel, this);
        box.setObjectName(QStringLiteral("HelpBox"));
        if (box.exec() == QMessageBox::Ok) {
            const std::string page =
                LocalizedHelpPath(HelpPath, PlayerLanguage(), [](const std::string& path) {
                    return QFileInfo::exists(QString::fromStdString(path));
                });
            helpViewer_.Open(QString::fromStdString(page));
        }
    } else if (sender == ui_->Help_Tips_MItem) {
        QMessageBox box(QMessageBox::Information, tr(TipsCaption), tr(TipsText), QMessageBox::Ok,
                        this);
        box.setObjectName(QStringLiteral("TipsBox"));
        box.exec();
    } else if (sender == ui_->Help_About_MItem) {
        if (AboutDialog != nullptr) {
            AboutDialog->exec();
        }
    }
}

void TGui::ShowHelpFailed(const QString& path) {
    if (State == stClosing) {
        return;
    }
    // No browser took the page: the player can still open it by its path.
    QMessageBox failed(QMessageBox::Warning, tr(HelpCaption),
                       tr(HelpFailedText).arg(QDir::toNativeSeparators(path)), QMessageBox::Ok,
                       this);
    failed.setObjectName(QStringLiteral("HelpFailedBox"));
    failed.setTextInteractionFlags(Qt::TextSelectableByMouse);
    failed.exec();
}

void TGui::PopupMenu1Popup() {
    ui_->Popup_New_MItem->setEnabled(ui_->Game_New_MItem->isEnabled());
    ui_->Popup_Options_MItem->setEnabled(ui_->Game_Options_MItem->isEnabled());
}

void TGui::Popup_MItemClick(QObject* sender) {
    if (sender == ui_->Popup_New_MItem) {
        ui_->Game_New_MItem->trigger();
    } else if (sender == ui_->Popup_Options_MItem) {
        ui_->Game_Options_MItem->trigger();
    }
}
