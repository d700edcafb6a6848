// The device's screen on a desktop.
#include "device/device_screen.h"

#include <cwchar>

#include "device/device_buttons.h"

namespace morvane::device {

namespace {

bool orientationKnown = false;
ScreenOrientation currentOrientation = ScreenOrientation::Portrait;

ScreenOrientation orientationFromEnvironment() {
  wchar_t value[32] = L"";
  DWORD n = GetEnvironmentVariableW(L"MORVANE_SCREEN", value, 32);
  if (n > 0 && n < 32 && _wcsicmp(value, L"landscape") == 0) return ScreenOrientation::Landscape;
  return ScreenOrientation::Portrait;
}

}  // namespace

ScreenOrientation screenOrientation() {
  if (!orientationKnown) {
    currentOrientation = orientationFromEnvironment();
    orientationKnown = true;
  }
  return currentOrientation;
}

void setScreenOrientation(ScreenOrientation orientation) {
  currentOrientation = orientation;
  orientationKnown = true;
}

int GetSystemMetrics(int index) {
  bool landscape = screenOrientation() == ScreenOrientation::Landscape;
  if (index == SM_CXSCREEN) return landscape ? kLongScreenSide : kShortScreenSide;
  if (index == SM_CYSCREEN) return landscape ? kShortScreenSide : kLongScreenSide;
  return ::GetSystemMetrics(index);
}

HWND CreateWindowExW(DWORD exStyle, const wchar_t* className, const wchar_t* title, DWORD style,
                     int x, int y, int width, int height, HWND parent, HMENU menu,
                     HINSTANCE instance, void* param) {
  if (parent == nullptr && !(style & WS_CHILD)) {
    style = (style & ~WS_BORDER) | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX;
    RECT r = {0, 0, width, height};
    AdjustWindowRectEx(&r, style, FALSE, exStyle);
    width = r.right - r.left;
    height = r.bottom - r.top;
  }
  HWND window = ::CreateWindowExW(exStyle, className, title, style, x, y, width, height, parent,
                                  menu, instance, param);
  if (window != nullptr && className != nullptr && !IS_INTRESOURCE(className) &&
      _wcsicmp(className, L"button") == 0 && (style & BS_TYPEMASK) <= BS_DEFPUSHBUTTON) {
    paintLikeTheDevice(window);
  }
  return window;
}

}  // namespace morvane::device
