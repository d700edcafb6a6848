// The handheld's menu bar on a desktop: a strip along the bottom of the
// parent window with one drop-down button per entry of the menu bar
// resource, each opening a pop-up of its menu and sending the chosen
// command to the parent as WM_COMMAND.
#pragma once

#include <windows.h>

namespace morvane::device {

// The strip's height in pixels, as the device's menu bar.
constexpr int kMenuBarHeight = 26;

// Fields as the device's shell declares them; cbSize is sizeof this record.
struct SHMENUBARINFO {
  DWORD cbSize;
  HWND hwndParent;
  DWORD dwFlags;
  UINT nToolBarId;  // RCDATA resource describing the bar
  HINSTANCE hInstRes;
  int nBmpId;
  int cBmpImages;
  HWND hwndMB;  // set on success
  COLORREF clrBk;
};

// Creates the bar from resource nToolBarId of hInstRes; FALSE when the
// resource, its menu or the window cannot be made.
BOOL SHCreateMenuBar(SHMENUBARINFO* info);
// The bar's menu (the button index is not used: every button shares it).
HMENU CommandBar_GetMenu(HWND bar, int button);
// The bar's height; 0 for no bar.
int CommandBar_Height(HWND bar);

// Whether the window is a menu bar SHCreateMenuBar made.
bool isMenuBar(HWND window);

}  // namespace morvane::device
