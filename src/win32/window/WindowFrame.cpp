#include "win32/window/WindowFrame.h"

#include <windowsx.h>

#include <algorithm>

#include "engine/Geometry.h"
#include "win32/Resources.h"

namespace {

constexpr UINT StandardDpi = 96;

}  // namespace

namespace WindowFrame {

void RegisterWindowClass(HINSTANCE instance, const wchar_t* name, WNDPROC procedure) {
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
    windowClass.lpszClassName = name;
    RegisterClassExW(&windowClass);
}

UINT Dpi(HWND hwnd) {
    const UINT dpi = GetDpiForWindow(hwnd);
    return dpi != 0 ? dpi : StandardDpi;
}

int FieldScale(UINT dpi) {
    // 1 up to 199 %, 2 from 200 %.
    return std::max(1, static_cast<int>(dpi / StandardDpi));
}

void SizeClient(HWND hwnd, int width, int height, UINT dpi, const RECT* place) {
    RECT frame{0, 0, width, height};
    AdjustWindowRectExForDpi(&frame, Style, TRUE, 0, dpi);
    const int outerWidth = frame.right - frame.left;
    int outerHeight = frame.bottom - frame.top;
    const UINT flags = SWP_NOZORDER | SWP_NOACTIVATE | (place == nullptr ? SWP_NOMOVE : 0);
    const int left = place != nullptr ? place->left : 0;
    const int top = place != nullptr ? place->top : 0;
    SetWindowPos(hwnd, nullptr, left, top, outerWidth, outerHeight, flags);
    // A menu bar too long for the width wraps onto a second line: the client is then short.
    RECT client{};
    GetClientRect(hwnd, &client);
    if (client.bottom != height) {
        outerHeight += height - client.bottom;
        SetWindowPos(hwnd, nullptr, 0, 0, outerWidth, outerHeight,
                     SWP_NOZORDER | SWP_NOACTIVATE | SWP_NOMOVE);
    }
}

bool PlaceIsOnScreen(HWND hwnd, int left, int top) {
    RECT frame{};
    GetWindowRect(hwnd, &frame);
    OffsetRect(&frame, left - frame.left, top - frame.top);
    return MonitorFromRect(&frame, MONITOR_DEFAULTTONULL) != nullptr;
}

std::optional<POINT> PointerInClient(HWND hwnd) {
    POINT at{};
    if (!GetCursorPos(&at) || !ScreenToClient(hwnd, &at)) {
        return std::nullopt;
    }
    RECT client{};
    GetClientRect(hwnd, &client);
    if (!PointInRect(Rect{client.left, client.top, client.right, client.bottom}, at.x, at.y)) {
        return std::nullopt;
    }
    return at;
}

POINT PopupAnchor(HWND hwnd, LPARAM lParam) {
    POINT at{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)};
    if (at.x == -1 && at.y == -1) {  // from the keyboard: under the field's middle
        RECT client{};
        GetClientRect(hwnd, &client);
        at = POINT{client.right / 2, client.bottom / 2};
        ClientToScreen(hwnd, &at);
    }
    return at;
}

}  // namespace WindowFrame
