#pragma once

#include <windows.h>

#include <optional>

// The main window's frame as Windows sees it: its class, its size around the field at a given
// DPI, and where the pointer and a popup stand in it.
namespace WindowFrame {

inline constexpr DWORD Style = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX;

void RegisterWindowClass(HINSTANCE instance, const wchar_t* name, WNDPROC procedure);
// The window's DPI, or the standard 96 where the system cannot tell.
UINT Dpi(HWND hwnd);
// Device pixels to each of the field's: a whole number, so the field stays sharp.
int FieldScale(UINT dpi);
// Sizes the window so its client area is width x height device pixels, below a menu bar that
// may wrap; moves it to `place`'s corner too when there is one.
void SizeClient(HWND hwnd, int width, int height, UINT dpi, const RECT* place);
// Whether the frame's corner at left, top keeps the window on a screen that is there.
bool PlaceIsOnScreen(HWND hwnd, int left, int top);
// The pointer in client pixels, or none when it is off the client area.
std::optional<POINT> PointerInClient(HWND hwnd);
// Where a popup asked for at lParam opens: there, or under the middle of the client area when
// the keyboard asked.
POINT PopupAnchor(HWND hwnd, LPARAM lParam);

}  // namespace WindowFrame
