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

ScreenOrientation screenOrientation();
void setScreenOrientation(ScreenOrientation orientation);

// SM_CXSCREEN and SM_CYSCREEN as the device answers them; every other index
// as the platform answers it.
int GetSystemMetrics(int index);

// Creates a window as the device would. A top-level window gets a client
// area of exactly the requested size (the device's screen), plus a title bar
// with a close box so that a desktop user can move and close it. Push
// buttons take their face colour from their parent, as on the device; other
// child windows are created unchanged.
HWND CreateWindowExW(DWORD exStyle, const wchar_t* className, const wchar_t* title, DWORD style,
                     int x, int y, int width, int height, HWND parent, HMENU menu,
                     HINSTANCE instance, void* param);

}  // namespace morvane::device
