#include "win32/window/TGui.h"

#include <windowsx.h>

#include <algorithm>
#include <exception>
#include <string>
#include <utility>

#include "engine/Geometry.h"
#include "engine/RandomSource.h"
#include "engine/TickCounter.h"
#include "settings/CurrentPlayOptions.h"
#include "settings/SettingsFile.h"
#include "settings/files/windows/WideText.h"
#include "win32/Resources.h"
#include "win32/desktop/HelpLauncher.h"
#include "win32/desktop/MenuTexts.h"
#include "win32/dialogs/TAboutDialog.h"
#include "win32/dialogs/TOptionsDialog.h"
#include "win32/process/ProgramGlobals.h"
#include "win32/translations/GameStrings.h"

TGui* Gui = nullptr;

namespace {

constexpr std::int32_t ShiftCountLimit = 16;
// Input wakes the wait at once, so it may be long; past 100 ms waits were seen to end late.
constexpr std::uint32_t LongestWait = 100;  // milliseconds
constexpr DWORD Style = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX;
constexpr UINT StandardDpi = 96;

// The field is drawn at a whole number of device pixels to each of its pixels, so it stays
// sharp: 1 up to 199 % and 2 from 200 %.
int FieldScale(UINT dpi) {
    return std::max(1, static_cast<int>(dpi / StandardDpi));
}

UINT WindowDpi(HWND hwnd) {
    const UINT dpi = GetDpiForWindow(hwnd);
    return dpi != 0 ? dpi : StandardDpi;
}

void RegisterWindowClass(HINSTANCE instance, WNDPROC procedure) {
    WNDCLASSEXW windowClass{};
    windowClass.cbSize = sizeof(windowClass);
    windowClass.lpfnWndProc = procedure;
    windowClass.hInstance = instance;
    windowClass.hIcon = LoadIconW(instance, MAKEINTRESOURCEW(IDI_LUMABELS));
    windowClass.hIconSm = static_cast<HICON>(
        LoadImageW(instance, MAKEINTRESOURCEW(IDI_LUMABELS), IMAGE_ICON,
                   GetSystemMetrics(SM_CXSMICON), GetSystemMetrics(SM_CYSMICON), LR_DEFAULTCOLOR));
    windowClass.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    windowClass.hbrBackground = nullptr;  // the back buffer covers the whole client area
    windowClass.lpszClassName = TGui::WindowClass;
    RegisterClassExW(&windowClass);
}

}  // namespace

TGui::TGui(HINSTANCE instance, const TickCounter& ticks) : ticks_(ticks) {
    RegisterWindowClass(instance, &TGui::WindowProc);
    mainMenu_ = LoadMenuW(instance, MAKEINTRESOURCEW(IDR_MAINMENU));
    popupMenus_ = LoadMenuW(instance, MAKEINTRESOURCEW(IDR_POPUPMENU));
    PopupMenu1 = GetSubMenu(popupMenus_, 0);
    accelerators_ = LoadAcceleratorsW(instance, MAKEINTRESOURCEW(IDR_ACCELERATORS));
    TranslateMenuTexts(mainMenu_);
    TranslateMenuTexts(PopupMenu1);
    hwnd_ = CreateWindowExW(0, WindowClass, TitleText.c_str(), Style, CW_USEDEFAULT, CW_USEDEFAULT,
                            CW_USEDEFAULT, CW_USEDEFAULT, nullptr, mainMenu_, instance, this);
    if (hwnd_ == nullptr) {
        throw std::runtime_error("The main window could not be made.");
    }

    SeedWithCalendarTime(ProcessRandom());
    const UINT dpi = WindowDpi(hwnd_);
    CreateBackBuffer(dpi);
    World = std::make_unique<AppPattern>(
        PatternServices{CurrentPlayOptions, notes_, ProcessRandom(), ticks_});
    NotePlayer = std::make_unique<AppSound>(SoundDir, CurrentPlayOptions);
    SizeToField(dpi, nullptr);
    RememberPosition();
    LoadSettings();

    PostTickMessage();
    SetState(stReset);
}

TGui::~TGui() {
    SetState(stSuspended);
    SetState(stClosing);
    SaveSettings();
    NotePlayer.reset();
    World.reset();
    painter_.reset();
    BackBuffer.reset();
    if (hwnd_ != nullptr) {
        DestroyWindow(hwnd_);
    }
    if (popupMenus_ != nullptr) {
        DestroyMenu(popupMenus_);
    }
    if (accelerators_ != nullptr) {
        DestroyAcceleratorTable(accelerators_);
    }
}

bool TGui::TranslateShortcut(MSG& message) const {
    return hwnd_ != nullptr && TranslateAcceleratorW(hwnd_, accelerators_, &message) != 0;
}

LRESULT CALLBACK TGui::WindowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_NCCREATE) {
        auto* self = static_cast<TGui*>(reinterpret_cast<CREATESTRUCTW*>(lParam)->lpCreateParams);
        self->hwnd_ = hwnd;
        SetWindowLongPtrW(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(self));
    }
    auto* self = reinterpret_cast<TGui*>(GetWindowLongPtrW(hwnd, GWLP_USERDATA));
    if (self == nullptr || self->hwnd_ != hwnd) {  // before creation, or after WM_DESTROY
        return DefWindowProcW(hwnd, message, wParam, lParam);
    }
    // No exception may cross the system's frames: it is shown here, and the game goes on.
    try {
        return self->HandleMessage(message, wParam, lParam);
    } catch (const std::exception& error) {
        MessageBoxW(hwnd, WideFromUtf8(error.what()).c_str(), TitleText.c_str(),
                    MB_OK | MB_ICONERROR);
    } catch (...) {
        MessageBoxW(hwnd, L"", TitleText.c_str(), MB_OK | MB_ICONERROR);
    }
    return 0;
}

LRESULT TGui::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case TickMessage:
            OnTickMessage();
            return 0;
        case WM_PAINT:
            Paint();
            return 0;
        case WM_ERASEBKGND:
            return 1;  // the back buffer covers everything
        case WM_KEYDOWN:
            FormKeyDown(wParam, lParam);
            break;  // and on to the ordinary handling
        case WM_KEYUP:
            FormKeyUp(wParam);
            break;
        case WM_LBUTTONDOWN:
        case WM_MBUTTONDOWN:
        case WM_RBUTTONDOWN: {
            const int scale = BackBuffer->Scale();
            FormMouseDown(message, GET_X_LPARAM(lParam) / scale, GET_Y_LPARAM(lParam) / scale);
            break;
        }
        case WM_CONTEXTMENU: {
            POINT at{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)};
            if (at.x == -1 && at.y == -1) {  // from the keyboard: under the field's middle
                RECT client{};
                GetClientRect(hwnd_, &client);
                at = POINT{client.right / 2, client.bottom / 2};
                ClientToScreen(hwnd_, &at);
            }
            PopupMenu1Popup();
            WhileHeld([&] {
                return static_cast<int>(
                    TrackPopupMenu(PopupMenu1, TPM_RIGHTBUTTON, at.x, at.y, 0, hwnd_, nullptr));
            });
            return 0;
        }
        case WM_COMMAND:
            OnCommand(LOWORD(wParam));
            return 0;
        case WM_ENTERMENULOOP:
            Hold();
            break;
        case WM_EXITMENULOOP:
            Unhold();
            break;
        case WM_MOVE:
            RememberPosition();
            break;
        case WM_DPICHANGED:
            OnDpiChanged(HIWORD(wParam), *reinterpret_cast<const RECT*>(lParam));
            return 0;
        case WM_QUERYENDSESSION:
            // The session may end without another word: what there is to keep is kept now.
            SaveSettings();
            return TRUE;
        case WM_ENDSESSION:
            if (wParam != FALSE) {
                SaveSettings();
            }
            return 0;
        case WM_CLOSE:
            closeRequested_ = true;
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

void TGui::CreateBackBuffer(UINT dpi) {
    painter_.reset();
    BackBuffer = std::make_unique<::BackBuffer>(FieldRect.Right, FieldRect.Bottom, FieldScale(dpi));
    if (!BackBuffer->IsValid()) {
        throw std::runtime_error("The picture of the field could not be made.");
    }
    painter_ = std::make_unique<FieldPainter>(*BackBuffer, ProcessRandom());
}

void TGui::SizeToField(UINT dpi, const RECT* place) {
    RECT frame{0, 0, BackBuffer->DeviceWidth(), BackBuffer->DeviceHeight()};
    AdjustWindowRectExForDpi(&frame, Style, TRUE, 0, dpi);
    const int width = frame.right - frame.left;
    int height = frame.bottom - frame.top;
    const UINT flags = SWP_NOZORDER | SWP_NOACTIVATE | (place == nullptr ? SWP_NOMOVE : 0);
    const int left = place != nullptr ? place->left : 0;
    const int top = place != nullptr ? place->top : 0;
    SetWindowPos(hwnd_, nullptr, left, top, width, height, flags);
    // A menu bar too long for the width wraps onto a second line: the client is then short.
    RECT client{};
    GetClientRect(hwnd_, &client);
    if (client.bottom != BackBuffer->DeviceHeight()) {
        height += BackBuffer->DeviceHeight() - client.bottom;
        SetWindowPos(hwnd_, nullptr, 0, 0, width, height,
                     SWP_NOZORDER | SWP_NOACTIVATE | SWP_NOMOVE);
    }
}

void TGui::OnDpiChanged(UINT dpi, const RECT& suggested) {
    CreateBackBuffer(dpi);
    SizeToField(dpi, &suggested);
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
    InvalidateRect(hwnd_, nullptr, FALSE);
}

void TGui::SetState(GameState state) {
    State = state;
    switch (State) {
        case stReset:
            SetState(stTitle);
            break;
        case stTitle:
            DrawTitle(true);
            break;
        case stPlaying:
            NotePlayer->Hold();
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
}

void TGui::Tick() {
    if (State != stPlaying || holds_ > 0) {
        return;
    }
    World->Step();
    DrawPlayfield(true);
    if (World->IsGameOver()) {
        SetState(stResults);
        SaveNewRecord();
    }
}

void TGui::PostTickMessage() {
    if (hwnd_ != nullptr) {
        PostMessageW(hwnd_, TickMessage, 0, 0);
    }
}

void TGui::OnTickMessage() {
    bool posted = false;
    try {
        if (!std::exchange(waitBeforeStep_, false)) {
            Tick();
        }
        PacingWait();
        LastTickTime = ticks_.Now();
        if (State == stClosing || closeRequested_ || quitSeen_) {
            return;
        }
        if (!ProcessPendingMessages() || closeRequested_) {
            return;
        }
        if (NothingCanChange()) {
            // Nothing moves on the title and results screens, nor in a game held by a menu
            // or a dialog: rather than wake to find that out, the loop sleeps until a new
            // game, or the menu or dialog going away, sets it going again.
            ticksParked_ = true;
            return;
        }
        PostTickMessage();
        posted = true;
    } catch (...) {
        // Whatever went wrong is shown by the window procedure; the loop must go on.
        if (!posted && State != stClosing && !closeRequested_) {
            PostTickMessage();
        }
        throw;
    }
}

bool TGui::NothingCanChange() const {
    return State != stPlaying || holds_ > 0;
}

void TGui::ResumeTicks() {
    if (!ticksParked_ || State == stClosing || closeRequested_ || NothingCanChange()) {
        return;
    }
    ticksParked_ = false;
    waitBeforeStep_ = true;
    LastTickTime = ticks_.Now();
    PostTickMessage();
}

void TGui::Hold() {
    ++holds_;
}

void TGui::Unhold() {
    holds_ = std::max(0, holds_ - 1);
    ResumeTicks();
}

void TGui::PacingWait() {
    // Once the window is closing there is nothing left to pace, nor once nothing can change.
    while (!closeRequested_ && !quitSeen_ && !NothingCanChange()) {
        const auto interval = static_cast<std::uint32_t>(CurrentPlayOptions.Interval);
        const std::uint32_t elapsed = ticks_.Now() - LastTickTime;  // modulo 2^32
        if (elapsed >= interval) {
            return;
        }
        if (!ProcessPendingMessages()) {
            return;
        }
        // Sleeps until input or the end of the interval, whichever comes first.
        MsgWaitForMultipleObjectsEx(0, nullptr, std::min(interval - elapsed, LongestWait),
                                    QS_ALLINPUT, MWMO_INPUTAVAILABLE);
    }
}

bool TGui::ProcessPendingMessages() {
    MSG message{};
    while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
        if (message.message == WM_QUIT) {
            // Handed back to the main loop, which ends on it.
            quitSeen_ = true;
            PostQuitMessage(static_cast<int>(message.wParam));
            return false;
        }
        if (!TranslateShortcut(message)) {
            TranslateMessage(&message);
            DispatchMessageW(&message);
        }
    }
    return true;
}

int TGui::WhileHeld(const std::function<int()>& modal) {
    Hold();
    int result = 0;
    try {
        result = modal();
    } catch (...) {
        Unhold();
        throw;
    }
    Unhold();
    return result;
}

void TGui::ApplySystemOptions(AppSystemOptions options) {
    CurrentSystemOptions = options;
    if (CurrentSystemOptions.ClearRecord) {
        World->SetRecords(0, 0);
        CurrentSystemOptions.ClearRecord = false;
    }
    SetWindowPos(hwnd_, CurrentSystemOptions.StayOnTop ? HWND_TOPMOST : HWND_NOTOPMOST, 0, 0, 0, 0,
                 SWP_NOMOVE | SWP_NOSIZE);
}

void TGui::LoadSettings() {
    const StoredSettings stored =
        SettingsFile::ReadOrFallback(SettingsPath, SettingsFallbackPath, position_.x, position_.y);
    ApplyPlayOptions(stored.Play);
    ApplySystemOptions(stored.System);
    if (CurrentSystemOptions.RestoreRecord) {
        World->SetRecords(stored.RecordScore, stored.RecordTime);
    }
    savedRecordScore_ = World->GetRecordScore();
    savedRecordTime_ = World->GetRecordTime();
    if (CurrentSystemOptions.RestorePosition && stored.PositionStored) {
        // A place on a screen that is no longer there would hide the window: the system
        // places it then, as on a first start.
        RECT frame{};
        GetWindowRect(hwnd_, &frame);
        OffsetRect(&frame, stored.Left - frame.left, stored.Top - frame.top);
        if (MonitorFromRect(&frame, MONITOR_DEFAULTTONULL) != nullptr) {
            SetWindowPos(hwnd_, nullptr, stored.Left, stored.Top, 0, 0,
                         SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
        }
    }
    RememberPosition();
}

void TGui::RememberPosition() {
    if (hwnd_ == nullptr || IsIconic(hwnd_)) {
        return;  // a minimised window stands far off screen; its real place is the last one
    }
    RECT frame{};
    if (GetWindowRect(hwnd_, &frame)) {
        position_ = POINT{frame.left, frame.top};
    }
}

StoredSettings TGui::CurrentSettings() const {
    StoredSettings stored;
    stored.Play = CurrentPlayOptions;
    stored.System = CurrentSystemOptions;
    stored.RecordScore = World->GetRecordScore();
    stored.RecordTime = World->GetRecordTime();
    stored.Left = position_.x;
    stored.Top = position_.y;
    return stored;
}

void TGui::SaveSettings() {
    if (World == nullptr) {
        return;
    }
    // A failed save changes nothing on disk, and the window is going: nobody to tell.
    if (SettingsFile::Write(SettingsPath, CurrentSettings())) {
        savedRecordScore_ = World->GetRecordScore();
        savedRecordTime_ = World->GetRecordTime();
    }
}

void TGui::SaveNewRecord() {
    // Written at once, so that even a power cut keeps the record.
    if (World->GetRecordScore() != savedRecordScore_ ||
        World->GetRecordTime() != savedRecordTime_) {
        SaveSettings();
    }
}

void TGui::Paint() {
    PAINTSTRUCT paint{};
    const HDC dc = BeginPaint(hwnd_, &paint);
    if (BackBuffer != nullptr) {  // nothing to show while the window is still being made
        BackBuffer->CopyTo(dc, FieldRect);
    }
    EndPaint(hwnd_, &paint);
}

void TGui::Present(const Rect& area) {
    if (hwnd_ == nullptr) {
        return;
    }
    const HDC dc = GetDC(hwnd_);
    BackBuffer->CopyTo(dc, area);
    ReleaseDC(hwnd_, dc);
}

void TGui::DrawTitle(bool present) {
    painter_->DrawTitle(TitleText);
    if (present) {
        Present(FieldRect);
    }
}

void TGui::DrawPlayfield(bool present) {
    painter_->DrawPlayfield(*World);
    if (present) {
        Present(FieldRect);
    }
}

void TGui::DrawResults(bool present) {
    const Rect block = painter_->DrawResults(*World, CurrentPlayOptions);
    if (present) {
        Present(block);
    }
}

void TGui::FormKeyDown(WPARAM key, LPARAM /*flags*/) {
    if (key == VK_SHIFT && ShiftCount < ShiftCountLimit) {
        ++ShiftCount;  // auto-repeat counts up too, so only the first key-down of a press clicks
    }
    if (State == stTitle || State == stResults) {
        if (key == VK_SPACE || key == VK_RETURN) {
            StartNewIfEnabled();
        }
    } else if (State == stPlaying && key == VK_SHIFT && ShiftCount == 1) {
        ShiftClick();
    }
}

void TGui::ShiftClick() {
    POINT at{};
    if (!GetCursorPos(&at) || !ScreenToClient(hwnd_, &at)) {
        return;
    }
    RECT client{};
    GetClientRect(hwnd_, &client);
    if (!PointInRect(Rect{client.left, client.top, client.right, client.bottom}, at.x, at.y)) {
        return;  // the press is used up
    }
    const int scale = BackBuffer->Scale();
    FormMouseDown(WM_LBUTTONDOWN, at.x / scale, at.y / scale);
}

void TGui::FormKeyUp(WPARAM key) {
    if (key == VK_SHIFT) {
        ShiftCount = 0;
    }
}

void TGui::FormMouseDown(UINT button, std::int32_t x, std::int32_t y) {
    if (button != WM_LBUTTONDOWN) {
        return;
    }
    if (State == stTitle) {
        StartNewIfEnabled();
    } else if (State == stPlaying) {
        World->Click(x, y);
    }
}

bool TGui::IsItemEnabled(int id) const {
    const UINT state = GetMenuState(mainMenu_, static_cast<UINT>(id), MF_BYCOMMAND);
    return state != static_cast<UINT>(-1) && (state & (MF_DISABLED | MF_GRAYED)) == 0;
}

void TGui::StartNewIfEnabled() {
    if (IsItemEnabled(ID_GAME_NEW)) {
        Game_MItemClick(ID_GAME_NEW);
    }
}

void TGui::OnCommand(int id) {
    switch (id) {
        case ID_GAME_NEW:
        case ID_GAME_OPTIONS:
        case ID_GAME_EXIT:
            if (IsItemEnabled(id)) {
                Game_MItemClick(id);
            }
            break;
        case ID_HELP_HELP:
        case ID_HELP_TIPS:
        case ID_HELP_ABOUT:
            if (IsItemEnabled(id)) {
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

void TGui::Game_MItemClick(int id) {
    if (id == ID_GAME_NEW) {
        SetState(stPlaying);
    } else if (id == ID_GAME_OPTIONS) {
        OptionsCommand();
    } else if (id == ID_GAME_EXIT) {
        SendMessageW(hwnd_, WM_CLOSE, 0, 0);
    }
}

void TGui::OptionsCommand() {
    if (OptionsDialog == nullptr) {
        return;
    }
    OptionsDialog->SetPlayOptions(CurrentPlayOptions);
    OptionsDialog->SetSystemOptions(CurrentSystemOptions);
    // Cancel changes nothing, and a game in progress carries on where it stood.
    if (WhileHeld([this] { return OptionsDialog->ShowModal(hwnd_); }) != 1) {
        return;
    }
    SetState(stSuspended);
    ApplyPlayOptions(OptionsDialog->GetPlayOptions());
    ApplySystemOptions(OptionsDialog->GetSystemOptions());
    SetState(stReset);
}

void TGui::ShowMessage(const wchar_t* text, const wchar_t* caption, UINT flags) {
    WhileHeld([&] { return MessageBoxW(hwnd_, text, caption, flags); });
}

void TGui::Help_MItemClick(int id) {
    if (id == ID_HELP_HELP) {
        OpenHelp();
    } else if (id == ID_HELP_TIPS) {
        ShowMessage(
            GameStrings::Tr(L"TGui",
                            L"A new lumabel comes out when a cloud is clicked.\n\n"
                            L"[Shift] functions as left mouse click while playing the game."),
            GameStrings::Tr(L"TGui", L"Tips"), MB_OK | MB_ICONINFORMATION);
    } else if (id == ID_HELP_ABOUT) {
        if (AboutDialog != nullptr) {
            WhileHeld([this] { return AboutDialog->ShowModal(hwnd_); });
        }
    }
}

void TGui::OpenHelp() {
    const wchar_t* caption = GameStrings::Tr(L"TGui", L"Help");
    const int answer = WhileHeld([&] {
        return MessageBoxW(hwnd_, GameStrings::Tr(L"TGui", L"Opening HTML help file.\n\nSure?"),
                           caption, MB_OKCANCEL | MB_ICONQUESTION);
    });
    if (answer != IDOK) {
        return;
    }
    const std::wstring page = HelpPageFor(HelpPath, GameStrings::Language());
    if (!OpenDocument(hwnd_, page)) {
        // Never silent: the player is told which page would not open.
        const std::wstring text = GameStrings::Fill(
            GameStrings::Tr(L"TGui",
                            L"No browser could be started to show the help page. You can open it "
                            L"yourself:\n\n%1"),
            {page});
        ShowMessage(text.c_str(), caption, MB_OK | MB_ICONWARNING);
    }
}

void TGui::PopupMenu1Popup() {
    const auto follow = [this](int popupItem, int twin) {
        EnableMenuItem(PopupMenu1, static_cast<UINT>(popupItem),
                       MF_BYCOMMAND | (IsItemEnabled(twin) ? MF_ENABLED : MF_GRAYED));
    };
    follow(ID_POPUP_NEW, ID_GAME_NEW);
    follow(ID_POPUP_OPTIONS, ID_GAME_OPTIONS);
}

void TGui::Popup_MItemClick(int id) {
    if (id == ID_POPUP_NEW) {
        OnCommand(ID_GAME_NEW);
    } else if (id == ID_POPUP_OPTIONS) {
        OnCommand(ID_GAME_OPTIONS);
    }
}
