// The device's screen on a desktop.
#include "device/device_screen.h"

#include <cwchar>
#include <initializer_list>

#include "device/device_buttons.h"
#include "device/menu_bar.h"

namespace morvane::device {

namespace {

bool orientationKnown = false;
// The window that stands for the device's screen: the first top-level one.
HWND screenWindow = nullptr;
ScreenOrientation currentOrientation = ScreenOrientation::Portrait;

ScreenOrientation orientationFromEnvironment() {
  wchar_t value[32] = L"";
  DWORD n = GetEnvironmentVariableW(L"MORVANE_SCREEN", value, 32);
  if (n > 0 && n < 32 && _wcsicmp(value, L"landscape") == 0) return ScreenOrientation::Landscape;
  return ScreenOrientation::Portrait;
}

bool isStandardControl(const wchar_t* className) {
  if (className == nullptr || IS_INTRESOURCE(className)) return false;
  for (const wchar_t* known : {L"button", L"edit", L"static", L"listbox", L"combobox"}) {
    if (_wcsicmp(className, known) == 0) return true;
  }
  return false;
}

// How far a top-level window of this height runs past the bottom of the
// screen. On the handheld a frame as tall as the screen starts below the
// navigation bar and runs past the bottom edge, and the menu bar covers the
// bottom of what is left: the portrait layout leaves room for both, so a
// portrait frame shows just the part the handheld shows. The landscape
// layout leaves none (its status line reaches the frame's bottom margin),
// so there the frame's whole area stays visible above the menu bar.
int heightPastScreen(int height) {
  if (screenOrientation() == ScreenOrientation::Landscape) return 0;
  const int visible = GetSystemMetrics(SM_CYSCREEN) - kNavigationBarHeight;
  return height > visible ? height - visible : 0;
}

const wchar_t kHiddenHeight[] = L"MorvaneHiddenHeight";
const wchar_t kOriginalProc[] = L"MorvaneScreenProc";

// On the handheld the menu bar is a window of its own over the frame's
// bottom edge; our strip is the frame's child, so it is kept above its
// siblings and they leave it out when they paint.
void keepMenuBarOnTop(HWND window) {
  HWND bar = nullptr;
  for (HWND child = GetWindow(window, GW_CHILD); child != nullptr;
       child = GetWindow(child, GW_HWNDNEXT)) {
    if (isMenuBar(child)) bar = child;
    SetWindowLongPtrW(child, GWL_STYLE, GetWindowLongPtrW(child, GWL_STYLE) | WS_CLIPSIBLINGS);
  }
  if (bar != nullptr) {
    ::SetWindowPos(bar, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
  }
}

// The window's size messages report the height it asked for, the part
// below the screen's edge included.
LRESULT CALLBACK screenWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  auto original = reinterpret_cast<WNDPROC>(GetPropW(window, kOriginalProc));
  if (message == WM_PARENTNOTIFY && LOWORD(wParam) == WM_CREATE) {
    keepMenuBarOnTop(window);
  } else if (message == WM_SIZE && wParam != SIZE_MINIMIZED) {
    const auto hidden = reinterpret_cast<INT_PTR>(GetPropW(window, kHiddenHeight));
    lParam = MAKELPARAM(LOWORD(lParam), HIWORD(lParam) + hidden);
  } else if (message == WM_NCDESTROY) {
    SetWindowLongPtrW(window, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(original));
    RemovePropW(window, kOriginalProc);
    RemovePropW(window, kHiddenHeight);
  }
  return CallWindowProcW(original, window, message, wParam, lParam);
}

// Stands in for the handheld's screen: the frame's own children made while
// it was created, and later ones, stay under the menu bar; a frame taller
// than the screen hears of the height it asked for.
void standInForTheScreen(HWND window, int hiddenHeight) {
  keepMenuBarOnTop(window);
  SetPropW(window, kHiddenHeight, reinterpret_cast<HANDLE>(static_cast<INT_PTR>(hiddenHeight)));
  SetPropW(window, kOriginalProc,
           reinterpret_cast<HANDLE>(GetWindowLongPtrW(window, GWLP_WNDPROC)));
  SetWindowLongPtrW(window, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(screenWindowProc));
  if (hiddenHeight == 0) return;
  // Creation already sent the first WM_SIZE, with the visible height.
  RECT client;
  GetClientRect(window, &client);
  SendMessageW(window, WM_SIZE, SIZE_RESTORED, MAKELPARAM(client.right, client.bottom));
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

BOOL SetWindowPos(HWND window, HWND insertAfter, int x, int y, int width, int height,
                  UINT flags) {
  const bool popup = (GetWindowLongW(window, GWL_STYLE) & WS_CHILD) == 0;
  if (popup && !(flags & SWP_NOMOVE) && screenWindow != nullptr && IsWindow(screenWindow)) {
    POINT origin = {0, 0};
    ClientToScreen(screenWindow, &origin);
    x += origin.x;
    y += origin.y - kNavigationBarHeight;
  }
  return ::SetWindowPos(window, insertAfter, x, y, width, height, flags);
}

HFONT controlFont() {
  // The desktop's 8-point GUI font is the handheld's size; the system font a
  // control starts with is larger on a desktop.
  return static_cast<HFONT>(GetStockObject(DEFAULT_GUI_FONT));
}

HWND CreateWindowExW(DWORD exStyle, const wchar_t* className, const wchar_t* title, DWORD style,
                     int x, int y, int width, int height, HWND parent, HMENU menu,
                     HINSTANCE instance, void* param) {
  const bool topLevel = parent == nullptr && !(style & WS_CHILD);
  int hiddenHeight = 0;
  if (topLevel) {
    hiddenHeight = heightPastScreen(height);
    style = (style & ~WS_BORDER) | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX;
    RECT r = {0, 0, width, height - hiddenHeight};
    AdjustWindowRectEx(&r, style, FALSE, exStyle);
    width = r.right - r.left;
    height = r.bottom - r.top;
  }
  HWND window = ::CreateWindowExW(exStyle, className, title, style, x, y, width, height, parent,
                                  menu, instance, param);
  if (window == nullptr) return nullptr;
  if (topLevel) {
    if (screenWindow == nullptr || !IsWindow(screenWindow)) screenWindow = window;
    standInForTheScreen(window, hiddenHeight);
  } else if (isStandardControl(className)) {
    SendMessageW(window, WM_SETFONT, reinterpret_cast<WPARAM>(controlFont()), FALSE);
    if (_wcsicmp(className, L"button") == 0 && (style & BS_TYPEMASK) <= BS_DEFPUSHBUTTON) {
      paintLikeTheDevice(window);
    }
  }
  return window;
}

}  // namespace morvane::device
