// The handheld's screen as the trainer sees it: 240 x 320 in portrait (the
// default) or 320 x 240 in landscape. The orientation comes from the
// environment variable MORVANE_SCREEN ("landscape" or "portrait") unless a
// caller sets it.
#pragma once

#include <windows.h>

namespace morvane::device {

enum class ScreenOrientation { Portrait, Landscape };

constexpr int kShortScreenSide = 240;
constexpr int kLongScreenSide = 320;
// The handheld's navigation bar along the top of its screen. A top-level
// window starts below it, so one as tall as the screen runs this far past
// the screen's bottom edge; the menu bar covers the bottom of what is left.
constexpr int kNavigationBarHeight = 26;

ScreenOrientation screenOrientation();
void setScreenOrientation(ScreenOrientation orientation);

// SM_CXSCREEN and SM_CYSCREEN as the device answers them; every other index
// as the platform answers it.
int GetSystemMetrics(int index);

// Creates a window as the device would. A top-level window keeps the size
// it asked for, which its WM_SIZE reports, but shows only the part that lies
// on the device's screen below the navigation bar: its client area is that
// part, under a title bar with a close box so that a desktop user can move
// and close it. Standard controls get the handheld's font size; push buttons
// take their face colour from their parent, as on the device.
HWND CreateWindowExW(DWORD exStyle, const wchar_t* className, const wchar_t* title, DWORD style,
                     int x, int y, int width, int height, HWND parent, HMENU menu,
                     HINSTANCE instance, void* param);

// Places a window as the device would. A top-level window (a popup) is
// placed in the device's screen coordinates, which on a desktop start at
// the top left of the frame's navigation bar, the title bar above the first
// top-level window made through CreateWindowExW above; child windows are
// placed unchanged.
BOOL SetWindowPos(HWND window, HWND insertAfter, int x, int y, int width, int height, UINT flags);

// The font of the handheld's controls: the size of its small system font.
HFONT controlFont();

}  // namespace morvane::device
