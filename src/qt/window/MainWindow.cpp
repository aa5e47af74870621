#include "qt/window/MainWindow.h"

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

#include "desktop/HelpPage.h"
#include "engine/Geometry.h"
#include "engine/RandomSource.h"
#include "qt/desktop/ResultsHeading.h"
#include "qt/desktop/TerminalText.h"
#include "qt/dialogs/TAboutDialog.h"
#include "qt/dialogs/TOptionsDialog.h"
#include "qt/process/ProgramGlobals.h"
#include "qt/window/ToQRect.h"
#include "settings/CurrentPlayOptions.h"
#include "ui_MainWindow.h"

MainWindow* Gui = nullptr;

namespace {

// How long the sound device stays open after the last note outside play has died away: a
// game started again at once finds it still open.
constexpr std::chrono::milliseconds DeviceGrace(500);

GameShell::Key ShellKey(int key) {
    switch (key) {
        case Qt::Key_Space:
            return GameShell::Key::Space;
        case Qt::Key_Return:
        case Qt::Key_Enter:
            return GameShell::Key::Enter;
        case Qt::Key_Shift:
            return GameShell::Key::Shift;
        default:
            return GameShell::Key::Other;
    }
}

}  // namespace

MainWindow::MainWindow(const TickCounter& ticks)
    : QMainWindow(nullptr, Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                               Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint),
      ui_(std::make_unique<Ui::MainWindow>()),
      destroyWatch_(*this, [this] { OnWindowDestroyedOutside(); }),
      shell_(*this, translator_, ticks, ProcessRandom(), notes_) {
    ui_->setupUi(this);
    popupMenu_ = new QMenu(this);
    popupMenu_->setObjectName(QStringLiteral("PopupMenu1"));
    popupMenu_->addActions({ui_->Popup_New_MItem, ui_->N4, ui_->Popup_Options_MItem});
    for (QAction* item : {ui_->Game_New_MItem, ui_->Game_Options_MItem, ui_->Game_Exit_MItem}) {
        connect(item, &QAction::triggered, this, [this, item] { Game_MItemClick(item); });
    }
    for (QAction* item : {ui_->Help_Help_MItem, ui_->Help_Tips_MItem, ui_->Help_About_MItem}) {
        connect(item, &QAction::triggered, this, [this, item] { Help_MItemClick(item); });
    }
    for (QAction* item : {ui_->Popup_New_MItem, ui_->Popup_Options_MItem}) {
        connect(item, &QAction::triggered, this, [this, item] { Popup_MItemClick(item); });
    }
    connect(ui_->Field, &PlayfieldView::KeyDown, this, &MainWindow::FormKeyDown);
    connect(ui_->Field, &PlayfieldView::KeyUp, this, &MainWindow::FormKeyUp);
    connect(ui_->Field, &PlayfieldView::MouseDown, this, &MainWindow::FormMouseDown);
    connect(ui_->Field, &PlayfieldView::PopupRequested, this, [this](const QPoint& at) {
        PopupMenu1Popup();
        popupMenu_->exec(at);
    });
    wakeTimer_.setSingleShot(true);
    wakeTimer_.setTimerType(Qt::PreciseTimer);
    connect(&wakeTimer_, &QTimer::timeout, this, &MainWindow::WakeGame);
    deviceCloseTimer_.setSingleShot(true);
    connect(&deviceCloseTimer_, &QTimer::timeout, this, &MainWindow::OnDeviceCloseTimer);
    // Menus and dialogs hold the game; their coming and going is watched to let it go on.
    QCoreApplication::instance()->installEventFilter(this);

    SeedWithCalendarTime(ProcessRandom());
    setWindowTitle(QString::fromStdString(TitleText));
    CreateBackBuffer(devicePixelRatioF());
    NotePlayer = std::make_unique<AppSound>(SoundDir, CurrentPlayOptions);
    connect(ui_->Field, &PlayfieldView::PixelRatioChanged, this, &MainWindow::OnPixelRatioChanged);
    // A child, so that a viewer it is still waiting on can be found from the window.
    helpViewer_.setParent(this);
    connect(&helpViewer_, &HelpViewer::Failed, this, [this](const QString& path) {
        shell_.HelpFailed(QDir::toNativeSeparators(path).toStdString());
    });
    ui_->Field->setFocus();
    setFixedSize(sizeHint());
    shell_.Start();
    saveAtExit_.emplace(shell_.Kept());
    // A desktop session that ends asks every program to save its data first.
    connect(qApp, &QGuiApplication::commitDataRequest, this, [this] { shell_.SaveSettings(); });
}

MainWindow::~MainWindow() {
    QCoreApplication::instance()->removeEventFilter(this);
    shell_.Shutdown();
    saveAtExit_.reset();
    NotePlayer.reset();
    ui_->Field->SetBackBuffer(nullptr);
}

void MainWindow::CreateBackBuffer(qreal pixelRatio) {
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
    backBuffer_ = std::move(buffer);
}

void MainWindow::OnPixelRatioChanged(qreal pixelRatio) {
    CreateBackBuffer(pixelRatio);
    shell_.Redraw();  // a paint is under way: it shows the new picture
}

bool MainWindow::UserInterfaceBusy() const {
    // Qt's menus do not hold up the event loop by themselves; the game must still stand still
    // while a menu, the popup, a message box or a dialog is open.
    return QApplication::activePopupWidget() != nullptr ||
           QApplication::activeModalWidget() != nullptr;
}

bool MainWindow::eventFilter(QObject* watched, QEvent* event) {
    const QEvent::Type type = event->type();
    if ((type == QEvent::Show || type == QEvent::Hide) && watched->isWidgetType() &&
        static_cast<QWidget*>(watched)->isWindow()) {
        // A menu or dialog is only counted as open or closed once Qt has done showing or
        // hiding it.
        QMetaObject::invokeMethod(this, &MainWindow::OnWindowShownOrHidden, Qt::QueuedConnection);
    }
    return QMainWindow::eventFilter(watched, event);
}

void MainWindow::OnWindowShownOrHidden() {
    const bool busy = UserInterfaceBusy();
    if (busy == heldByInterface_) {
        return;
    }
    heldByInterface_ = busy;
    if (busy) {
        shell_.Hold();
    } else {
        shell_.Release();
    }
}

void MainWindow::WakeGame() {
    // A menu that opened a moment ago is told of only once Qt has done showing it: it holds
    // the game from its first instant all the same.
    OnWindowShownOrHidden();
    shell_.Wake();
}

void MainWindow::ArmWakeUp(std::optional<std::uint32_t> milliseconds) {
    if (milliseconds) {
        wakeTimer_.start(static_cast<int>(*milliseconds));
    } else {
        wakeTimer_.stop();
    }
}

void MainWindow::WantSoundDevice(bool wanted) {
    if (NotePlayer == nullptr) {
        return;
    }
    if (wanted) {
        // Opened before the first click, so the first note of a game sounds at once.
        deviceCloseTimer_.stop();
        NotePlayer->Hold();
    } else if (NotePlayer->IsHeld()) {
        NotePlayer->Release();
        deviceCloseTimer_.start(NotePlayer->TimeLeft() + DeviceGrace);
    }
}

void MainWindow::OnDeviceCloseTimer() {
    if (NotePlayer != nullptr && !NotePlayer->CloseIfIdle()) {
        deviceCloseTimer_.start(NotePlayer->TimeLeft() + DeviceGrace);
    }
}

void MainWindow::SetStaysOnTop(bool onTop) {
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

void MainWindow::TakeStoredPosition(const WindowPosition& stored, bool move) {
    // Before the first show pos() is no real place, only 0, 0: without a position in the file
    // the window manager places the window.
    if (move) {
        this->move(stored.Left, stored.Top);
    }
    lastKnownPosition_ = QPoint(stored.Left, stored.Top);
}

bool MainWindow::PlatformReportsPosition() {
    // A Wayland client neither places its window nor learns where it is: pos() is an
    // invented 0, 0 there.
    return !QGuiApplication::platformName().startsWith(QStringLiteral("wayland"));
}

WindowPosition MainWindow::CurrentPosition() const {
    const QPoint position = PlatformReportsPosition() ? pos() : lastKnownPosition_;
    return WindowPosition{position.x(), position.y()};
}

void MainWindow::OnWindowDestroyedOutside() {
    const std::string line =
        TerminalText("MainWindow", QT_TRANSLATE_NOOP("MainWindow",
                                                     "Lumabels: another program destroyed the "
                                                     "game's window; closing")) +
        "\n";
    std::fputs(line.c_str(), stderr);
    QCoreApplication::exit(1);
}

void MainWindow::closeEvent(QCloseEvent* event) {
    wakeTimer_.stop();  // nothing is left to pace: the close and its save come first
    QMainWindow::closeEvent(event);
}

void MainWindow::moveEvent(QMoveEvent* event) {
    QMainWindow::moveEvent(event);
    shell_.KeepSettings();
}

void MainWindow::Present(const QRect& area) {
    ui_->Field->repaint(area);
}

void MainWindow::DrawTitle(bool present) {
    painter_->DrawTitle(QString::fromStdString(TitleText));
    if (present) {
        Present(ToQRect(FieldRect));
    }
}

void MainWindow::DrawPlayfield(const World& world, bool present) {
    painter_->DrawPlayfield(world);
    if (present) {
        Present(ToQRect(FieldRect));
    }
}

void MainWindow::DrawResults(const ResultTexts& lines, bool present) {
    const QRect block = painter_->DrawResults(lines);
    if (present) {
        Present(block);
    }
}

void MainWindow::Announce(const std::string& name, const std::string& description, bool alert) {
    ui_->Field->Announce(QString::fromStdString(name), QString::fromStdString(description));
    if (alert) {
        ui_->Field->Alert();
    }
}

void MainWindow::FormKeyDown(int key) {
    shell_.KeyDown(ShellKey(key));
}

void MainWindow::FormKeyUp(int key) {
    shell_.KeyUp(ShellKey(key));
}

void MainWindow::FormMouseDown(Qt::MouseButton button, int x, int y) {
    shell_.MouseDown(button == Qt::LeftButton ? GameShell::Button::Left : GameShell::Button::Other,
                     x, y);
}

std::optional<FieldPoint> MainWindow::PointerInField() const {
    const QPoint at = ui_->Field->mapFromGlobal(QCursor::pos());
    const Rect client{0, 0, ui_->Field->width(), ui_->Field->height()};
    if (!PointInRect(client, at.x(), at.y())) {
        return std::nullopt;
    }
    return FieldPoint{at.x(), at.y()};
}

void MainWindow::ActivateNewItem() {
    if (ui_->Game_New_MItem->isEnabled()) {
        ui_->Game_New_MItem->trigger();
    }
}

void MainWindow::Game_MItemClick(QObject* sender) {
    if (sender == ui_->Game_New_MItem) {
        shell_.NewGame();
    } else if (sender == ui_->Game_Options_MItem) {
        shell_.Options();
    } else if (sender == ui_->Game_Exit_MItem) {
        close();
    }
}

std::optional<OptionRecords> MainWindow::RunOptionsDialog(const OptionRecords& current) {
    if (OptionsDialog == nullptr) {
        return std::nullopt;
    }
    OptionsDialog->SetPlayOptions(current.Play);
    OptionsDialog->SetSystemOptions(current.System);
    if (OptionsDialog->exec() != ModalResult::Ok) {
        return std::nullopt;
    }
    return OptionRecords{OptionsDialog->GetPlayOptions(), OptionsDialog->GetSystemOptions()};
}

void MainWindow::Help_MItemClick(QObject* sender) {
    if (sender == ui_->Help_Help_MItem) {
        shell_.Help();
    } else if (sender == ui_->Help_Tips_MItem) {
        shell_.Tips();
    } else if (sender == ui_->Help_About_MItem) {
        shell_.About();
    }
}

void MainWindow::ShowAbout() {
    if (AboutDialog != nullptr) {
        AboutDialog->exec();
    }
}

void MainWindow::OpenHelpPage() {
    const std::string page = LocalizedHelpPath(
        HelpPath, PlayerLanguage(),
        [](const std::string& path) { return QFileInfo::exists(QString::fromStdString(path)); });
    helpViewer_.Open(QString::fromStdString(page));
}

bool MainWindow::ShowMessage(MessageId id, const std::string& caption, const std::string& text) {
    if (id == MessageId::SaveFailed) {
        // The window is closing, so the one word about it goes to the terminal, if any, rather
        // than to a box nobody would see.
        std::fprintf(stderr, "%s\n", text.c_str());
        return true;
    }
    QMessageBox box(QMessageBox::Information, QString::fromStdString(caption),
                    QString::fromStdString(text), QMessageBox::Ok, this);
    switch (id) {
        case MessageId::HelpQuestion:
            box.setIcon(QMessageBox::Question);
            box.setStandardButtons(QMessageBox::Ok | QMessageBox::Cancel);
            box.setObjectName(QStringLiteral("HelpBox"));
            break;
        case MessageId::HelpFailed:
            box.setIcon(QMessageBox::Warning);
            box.setObjectName(QStringLiteral("HelpFailedBox"));
            box.setTextInteractionFlags(Qt::TextSelectableByMouse);
            break;
        default:
            box.setObjectName(QStringLiteral("TipsBox"));
            break;
    }
    return box.exec() == QMessageBox::Ok;
}

void MainWindow::PopupMenu1Popup() {
    ui_->Popup_New_MItem->setEnabled(ui_->Game_New_MItem->isEnabled());
    ui_->Popup_Options_MItem->setEnabled(ui_->Game_Options_MItem->isEnabled());
}

void MainWindow::Popup_MItemClick(QObject* sender) {
    if (sender == ui_->Popup_New_MItem) {
        ui_->Game_New_MItem->trigger();
    } else if (sender == ui_->Popup_Options_MItem) {
        ui_->Game_Options_MItem->trigger();
    }
}
