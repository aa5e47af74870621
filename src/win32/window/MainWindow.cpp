#include "win32/window/MainWindow.h"

#include <windowsx.h>

#include <algorithm>
#include <exception>
#include <stdexcept>
#include <string>

#include "engine/RandomSource.h"
#include "engine/TickCounter.h"
#include "settings/CurrentPlayOptions.h"
#include "settings/files/windows/WideText.h"
#include "win32/Resources.h"
#include "win32/desktop/HelpLauncher.h"
#include "win32/dialogs/TAboutDialog.h"
#include "win32/dialogs/TOptionsDialog.h"
#include "win32/process/ProgramGlobals.h"
#include "win32/translations/GameStrings.h"
#include "win32/window/MainMenus.h"
#include "win32/window/ShellTerms.h"
#include "win32/window/WindowFrame.h"

MainWindow::MainWindow(HINSTANCE instance, const TickCounter& ticks)
    : menus_(instance), ticks_(ticks), shell_(*this, translator_, ticks, ProcessRandom(), notes_) {
    WindowFrame::RegisterWindowClass(instance, WindowClass, &MainWindow::WindowProc);
    hwnd_ = CreateWindowExW(0, WindowClass, WideFromUtf8(TitleText).c_str(), WindowFrame::Style,
                            CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, nullptr,
                            menus_.MainMenu1(), instance, this);
    if (hwnd_ == nullptr) {
        throw std::runtime_error("The main window could not be made.");
    }

    SeedWithCalendarTime(ProcessRandom());
    const UINT dpi = WindowFrame::Dpi(hwnd_);
    CreateBackBuffer(dpi);
    NotePlayer = std::make_unique<AppSound>(SoundDir, CurrentPlayOptions);
    SizeToField(dpi, nullptr);
    RememberPosition();
    shell_.Start();
}

MainWindow::~MainWindow() {
    shell_.Shutdown();
    NotePlayer.reset();
    if (hwnd_ != nullptr) {
        DestroyWindow(hwnd_);
    }
}

bool MainWindow::TranslateShortcut(MSG& message) const {
    return menus_.TranslateShortcut(hwnd_, message);
}

DWORD MainWindow::TimeToWake() const {
    if (!wakeAt_) {
        return INFINITE;
    }
    const std::uint32_t left = *wakeAt_ - ticks_.Now();  // modulo 2^32
    // Past due reads as a huge wait: it is due now.
    return left > 0x7FFFFFFFU ? 0 : static_cast<DWORD>(left);
}

void MainWindow::WakeIfDue() {
    if (wakeAt_ && TimeToWake() == 0 && hwnd_ != nullptr) {
        wakeAt_.reset();
        PostMessageW(hwnd_, TickMessage, 0, 0);
    }
}

LRESULT CALLBACK MainWindow::WindowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_NCCREATE) {
        auto* self =
            static_cast<MainWindow*>(reinterpret_cast<CREATESTRUCTW*>(lParam)->lpCreateParams);
        self->hwnd_ = hwnd;
        SetWindowLongPtrW(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(self));
    }
    auto* self = reinterpret_cast<MainWindow*>(GetWindowLongPtrW(hwnd, GWLP_USERDATA));
    if (self == nullptr || self->hwnd_ != hwnd) {  // before creation, or after WM_DESTROY
        return DefWindowProcW(hwnd, message, wParam, lParam);
    }
    // No exception may cross the system's frames: it is shown here, and the game goes on.
    try {
        return self->HandleMessage(message, wParam, lParam);
    } catch (const std::exception& error) {
        MessageBoxW(hwnd, WideFromUtf8(error.what()).c_str(), WideFromUtf8(TitleText).c_str(),
                    MB_OK | MB_ICONERROR);
    } catch (...) {
        MessageBoxW(hwnd, L"", WideFromUtf8(TitleText).c_str(), MB_OK | MB_ICONERROR);
    }
    return 0;
}

LRESULT MainWindow::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case TickMessage:
            shell_.Wake();
            return 0;
        case WM_PAINT:
            Paint();
            return 0;
        case WM_ERASEBKGND:
            return 1;  // the back buffer covers everything
        case WM_KEYDOWN:
            FormKeyDown(wParam);
            break;  // and on to the ordinary handling
        case WM_KEYUP:
            FormKeyUp(wParam);
            break;
        case WM_LBUTTONDOWN:
        case WM_MBUTTONDOWN:
        case WM_RBUTTONDOWN: {
            const int scale = backBuffer_->Scale();
            FormMouseDown(message, GET_X_LPARAM(lParam) / scale, GET_Y_LPARAM(lParam) / scale);
            break;
        }
        case WM_CONTEXTMENU:
            ShowPopup(lParam);
            return 0;
        case WM_COMMAND:
            OnCommand(LOWORD(wParam));
            return 0;
        // A menu, or the window dragged by its caption, runs a loop of the system's own: the
        // game stands still meanwhile, and that time is not the player's.
        case WM_ENTERMENULOOP:
        case WM_ENTERSIZEMOVE:
            shell_.Hold();
            break;
        case WM_EXITMENULOOP:
        case WM_EXITSIZEMOVE:
            shell_.Release();
            break;
        case WM_MOVE:
            RememberPosition();
            shell_.KeepSettings();
            break;
        case WM_DPICHANGED:
            OnDpiChanged(HIWORD(wParam), *reinterpret_cast<const RECT*>(lParam));
            return 0;
        case WM_QUERYENDSESSION:
            // The session may end without another word: what there is to keep is kept now.
            shell_.SaveSettings();
            return TRUE;
        case WM_ENDSESSION:
            if (wParam != FALSE) {
                shell_.SaveSettings();
            }
            return 0;
        case WM_CLOSE:
            RememberPosition();
            DestroyWindow(hwnd_);
            return 0;
        case WM_DESTROY:
            hwnd_ = nullptr;  // what comes after goes straight to the system's handling
            PostQuitMessage(0);
            return 0;
        default:
            break;
    }
    return DefWindowProcW(hwnd_, message, wParam, lParam);
}

void MainWindow::CreateBackBuffer(UINT dpi) {
    painter_.reset();
    backBuffer_ = std::make_unique<BackBuffer>(FieldRect.Right, FieldRect.Bottom,
                                               WindowFrame::FieldScale(dpi));
    if (!backBuffer_->IsValid()) {
        throw std::runtime_error("The picture of the field could not be made.");
    }
    painter_ = std::make_unique<FieldPainter>(*backBuffer_, ProcessRandom());
}

void MainWindow::SizeToField(UINT dpi, const RECT* place) {
    WindowFrame::SizeClient(hwnd_, backBuffer_->DeviceWidth(), backBuffer_->DeviceHeight(), dpi,
                            place);
}

void MainWindow::OnDpiChanged(UINT dpi, const RECT& suggested) {
    CreateBackBuffer(dpi);
    SizeToField(dpi, &suggested);
    shell_.Redraw();
    InvalidateRect(hwnd_, nullptr, FALSE);
}

void MainWindow::ArmWakeUp(std::optional<std::uint32_t> milliseconds) {
    wakeAt_.reset();
    if (milliseconds) {
        wakeAt_ = ticks_.Now() + *milliseconds;
    }
}

void MainWindow::WantSoundDevice(bool wanted) {
    // The play-sound call needs no device held between notes: only its library is made ready.
    if (wanted && NotePlayer != nullptr) {
        NotePlayer->Hold();
    }
}

void MainWindow::Announce(const std::string& /*name*/, const std::string& /*description*/,
                          bool /*alert*/) {
    // Nothing yet tells assistive technology of the field on Windows.
}

void MainWindow::SetStaysOnTop(bool onTop) {
    SetWindowPos(hwnd_, onTop ? HWND_TOPMOST : HWND_NOTOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
}

void MainWindow::TakeStoredPosition(const WindowPosition& stored, bool move) {
    // A place on a screen that is no longer there would hide the window: the system places
    // it then, as on a first start.
    if (move && WindowFrame::PlaceIsOnScreen(hwnd_, stored.Left, stored.Top)) {
        SetWindowPos(hwnd_, nullptr, stored.Left, stored.Top, 0, 0,
                     SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    }
    RememberPosition();
}

void MainWindow::RememberPosition() {
    if (hwnd_ == nullptr || IsIconic(hwnd_)) {
        return;  // a minimised window stands far off screen; its real place is the last one
    }
    RECT frame{};
    if (GetWindowRect(hwnd_, &frame)) {
        position_ = POINT{frame.left, frame.top};
    }
}

WindowPosition MainWindow::CurrentPosition() const {
    return WindowPosition{position_.x, position_.y};
}

void MainWindow::Paint() {
    PAINTSTRUCT paint{};
    const HDC dc = BeginPaint(hwnd_, &paint);
    if (backBuffer_ != nullptr) {  // nothing to show while the window is still being made
        backBuffer_->CopyTo(dc, FieldRect);
    }
    EndPaint(hwnd_, &paint);
}

void MainWindow::Present(const Rect& area) {
    if (hwnd_ == nullptr) {
        return;
    }
    const HDC dc = GetDC(hwnd_);
    backBuffer_->CopyTo(dc, area);
    ReleaseDC(hwnd_, dc);
}

void MainWindow::DrawTitle(bool present) {
    painter_->DrawTitle(WideFromUtf8(TitleText));
    if (present) {
        Present(FieldRect);
    }
}

void MainWindow::DrawPlayfield(const World& world, bool present) {
    painter_->DrawPlayfield(world);
    if (present) {
        Present(FieldRect);
    }
}

void MainWindow::DrawResults(const ResultTexts& lines, bool present) {
    const Rect block = painter_->DrawResults(lines);
    if (present) {
        Present(block);
    }
}

void MainWindow::FormKeyDown(WPARAM key) {
    shell_.KeyDown(ShellKey(key));
}

void MainWindow::FormKeyUp(WPARAM key) {
    shell_.KeyUp(ShellKey(key));
}

void MainWindow::FormMouseDown(UINT button, std::int32_t x, std::int32_t y) {
    shell_.MouseDown(button == WM_LBUTTONDOWN ? GameShell::Button::Left : GameShell::Button::Other,
                     x, y);
}

std::optional<FieldPoint> MainWindow::PointerInField() const {
    const std::optional<POINT> at = WindowFrame::PointerInClient(hwnd_);
    if (!at) {
        return std::nullopt;
    }
    const int scale = backBuffer_->Scale();
    return FieldPoint{at->x / scale, at->y / scale};
}

void MainWindow::ShowPopup(LPARAM lParam) {
    const POINT at = WindowFrame::PopupAnchor(hwnd_, lParam);
    PopupMenu1Popup();
    shell_.Hold();
    TrackPopupMenu(menus_.PopupMenu1(), TPM_RIGHTBUTTON, at.x, at.y, 0, hwnd_, nullptr);
    shell_.Release();
}

void MainWindow::ActivateNewItem() {
    OnCommand(ID_GAME_NEW);
}

void MainWindow::OnCommand(int id) {
    switch (id) {
        case ID_GAME_NEW:
        case ID_GAME_OPTIONS:
        case ID_GAME_EXIT:
            if (menus_.IsItemEnabled(id)) {
                Game_MItemClick(id);
            }
            break;
        case ID_HELP_HELP:
        case ID_HELP_TIPS:
        case ID_HELP_ABOUT:
            if (menus_.IsItemEnabled(id)) {
                Help_MItemClick(id);
            }
            break;
        case ID_POPUP_NEW:
        case ID_POPUP_OPTIONS:
            Popup_MItemClick(id);
            break;
        default:
            break;
    }
}

void MainWindow::Game_MItemClick(int id) {
    if (id == ID_GAME_NEW) {
        shell_.NewGame();
    } else if (id == ID_GAME_OPTIONS) {
        shell_.Options();
    } else if (id == ID_GAME_EXIT) {
        SendMessageW(hwnd_, WM_CLOSE, 0, 0);
    }
}

std::optional<OptionRecords> MainWindow::RunOptionsDialog(const OptionRecords& current) {
    if (OptionsDialog == nullptr) {
        return std::nullopt;
    }
    OptionsDialog->SetPlayOptions(current.Play);
    OptionsDialog->SetSystemOptions(current.System);
    if (OptionsDialog->ShowModal(hwnd_) != 1) {
        return std::nullopt;
    }
    return OptionRecords{OptionsDialog->GetPlayOptions(), OptionsDialog->GetSystemOptions()};
}

void MainWindow::Help_MItemClick(int id) {
    if (id == ID_HELP_HELP) {
        shell_.Help();
    } else if (id == ID_HELP_TIPS) {
        shell_.Tips();
    } else if (id == ID_HELP_ABOUT) {
        shell_.About();
    }
}

void MainWindow::ShowAbout() {
    if (AboutDialog != nullptr) {
        AboutDialog->ShowModal(hwnd_);
    }
}

void MainWindow::OpenHelpPage() {
    const std::wstring page = HelpPageFor(HelpPath, GameStrings::Language());
    if (!OpenDocument(hwnd_, page)) {
        shell_.HelpFailed(Utf8FromWide(page));
    }
}

bool MainWindow::ShowMessage(MessageId id, const std::string& caption, const std::string& text) {
    return MessageBoxW(hwnd_, WideFromUtf8(text).c_str(), WideFromUtf8(caption).c_str(),
                       MessageBoxFlags(id)) == IDOK;
}

void MainWindow::PopupMenu1Popup() {
    menus_.FollowTwins();
}

void MainWindow::Popup_MItemClick(int id) {
    if (id == ID_POPUP_NEW) {
        OnCommand(ID_GAME_NEW);
    } else if (id == ID_POPUP_OPTIONS) {
        OnCommand(ID_GAME_OPTIONS);
    }
}
