// The floor every figure of the Windows edition is set against: the least a Win32 program with
// the game's window needs. A window of the game's class style with the game's menu bar and
// shortcuts, loaded from a resource script as the game loads them, and a 400 x 300 client that
// shows the sky and one line of text in the title's font and colour, so that a probe sees its
// first frame exactly as it sees the game's title screen. The same manifest (per-monitor DPI
// awareness, common controls 6) as the game. No game, no back buffer, no sound, no settings.

#include <windows.h>

#include "win32/Resources.h"

namespace {

constexpr DWORD Style = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX;
constexpr int FieldWidth = 400;
constexpr int FieldHeight = 300;
constexpr int TextCellHeight = 24;
constexpr COLORREF SkyColor = RGB(0, 0, 128);
constexpr COLORREF TitleColor = RGB(240, 240, 240);
constexpr wchar_t Title[] = L"Lumabels";
constexpr wchar_t WindowClass[] = L"LumabelsBareWindow";

HFONT MakeTitleFont() {
    LOGFONTW font{};
    font.lfHeight = TextCellHeight;
    font.lfWeight = FW_NORMAL;
    font.lfCharSet = DEFAULT_CHARSET;
    font.lfQuality = DEFAULT_QUALITY;
    lstrcpynW(font.lfFaceName, L"Arial", LF_FACESIZE);
    return CreateFontIndirectW(&font);
}

// Made once with the window, as the game makes its fonts once.
HFONT TitleFont = nullptr;

void Paint(HWND hwnd) {
    PAINTSTRUCT paint{};
    const HDC dc = BeginPaint(hwnd, &paint);
    const HGDIOBJ previous = SelectObject(dc, TitleFont);
    SIZE size{};
    GetTextExtentPoint32W(dc, Title, lstrlenW(Title), &size);
    const RECT field{0, 0, FieldWidth, FieldHeight};
    SetBkColor(dc, SkyColor);
    SetTextColor(dc, TitleColor);
    ExtTextOutW(dc, (field.right - size.cx) / 2, (field.bottom - size.cy) / 2,
                ETO_OPAQUE | ETO_CLIPPED, &field, Title, static_cast<UINT>(lstrlenW(Title)),
                nullptr);
    SelectObject(dc, previous);
    EndPaint(hwnd, &paint);
}

LRESULT CALLBACK WindowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_PAINT:
            Paint(hwnd);
            return 0;
        case WM_ERASEBKGND:
            return 1;  // the paint covers the whole client area
        case WM_COMMAND:
            if (LOWORD(wParam) == ID_GAME_EXIT) {
                DestroyWindow(hwnd);
            }
            return 0;
        case WM_DESTROY:
            PostQuitMessage(0);
            return 0;
        default:
            return DefWindowProcW(hwnd, message, wParam, lParam);
    }
}

// The client 400 x 300 at the window's density, with the menu bar above it, as the game sizes
// its window.
void SizeToField(HWND hwnd) {
    const UINT dpi = GetDpiForWindow(hwnd) != 0 ? GetDpiForWindow(hwnd) : USER_DEFAULT_SCREEN_DPI;
    RECT frame{0, 0, FieldWidth, FieldHeight};
    AdjustWindowRectExForDpi(&frame, Style, TRUE, 0, dpi);
    SetWindowPos(hwnd, nullptr, 0, 0, frame.right - frame.left, frame.bottom - frame.top,
                 SWP_NOZORDER | SWP_NOACTIVATE | SWP_NOMOVE);
}

}  // namespace

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE /*previous*/, PWSTR /*commandLine*/,
                    int showCommand) {
    WNDCLASSEXW windowClass{};
    windowClass.cbSize = sizeof(windowClass);
    windowClass.lpfnWndProc = WindowProc;
    windowClass.hInstance = instance;
    windowClass.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    windowClass.lpszClassName = WindowClass;
    RegisterClassExW(&windowClass);
    const HMENU menu = LoadMenuW(instance, MAKEINTRESOURCEW(IDR_MAINMENU));
    const HACCEL accelerators = LoadAcceleratorsW(instance, MAKEINTRESOURCEW(IDR_ACCELERATORS));
    TitleFont = MakeTitleFont();
    const HWND hwnd =
        CreateWindowExW(0, WindowClass, L"Bare window", Style, CW_USEDEFAULT, CW_USEDEFAULT,
                        CW_USEDEFAULT, CW_USEDEFAULT, nullptr, menu, instance, nullptr);
    if (hwnd == nullptr) {
        return 1;
    }
    SizeToField(hwnd);
    ShowWindow(hwnd, showCommand);
    UpdateWindow(hwnd);
    MSG message{};
    while (GetMessageW(&message, nullptr, 0, 0) > 0) {
        if (TranslateAcceleratorW(hwnd, accelerators, &message) == 0) {
            TranslateMessage(&message);
            DispatchMessageW(&message);
        }
    }
    DestroyAcceleratorTable(accelerators);
    DeleteObject(TitleFont);
    return 0;
}
