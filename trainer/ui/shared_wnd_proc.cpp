// Message dispatch for framework windows.
#include "ui/shared_wnd_proc.h"

#include <cstdint>

#include "ui/window.h"
#include "ui/window_table.h"

namespace morvane {
namespace {

// Positions are the two unsigned halves of lParam, never sign-extended.
uint16_t LowHalf(LPARAM value) { return static_cast<uint16_t>(value & 0xFFFF); }
uint16_t HighHalf(LPARAM value) { return static_cast<uint16_t>((value >> 16) & 0xFFFF); }

}  // namespace

LRESULT CALLBACK SharedWndProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  // The creating object is not in the table yet when these arrive.
  if (message == WM_CREATE) {
    if (windowBeingCreated) windowBeingCreated->OnCreate(hwnd);
    return 0;
  }
  if (message == WM_SHOWWINDOW) {
    if (windowBeingCreated) {
      if (wParam) {
        windowBeingCreated->OnShow();
      } else {
        windowBeingCreated->OnHide();
      }
    }
    return 0;
  }

  Window* window = FindWindowObject(hwnd);
  switch (message) {
    case WM_SIZE:
      if (window) {
        window->OnSize(LowHalf(static_cast<LPARAM>(wParam)), HighHalf(static_cast<LPARAM>(wParam)),
                       LowHalf(lParam), HighHalf(lParam));
      }
      return 0;
    case WM_PAINT: {
      PAINTSTRUCT ps;
      HDC hdc = BeginPaint(hwnd, &ps);
      if (window) window->OnPaint(hdc);
      EndPaint(hwnd, &ps);
      return 0;
    }
    case WM_HELP:
      if (window) window->OnHelp();
      return 0;
    case WM_KEYDOWN:
      if (window) window->OnKeyDown(wParam, lParam);
      return 0;
    case WM_KEYUP:
      if (window) window->OnKeyUp(wParam, lParam);
      return 0;
    case WM_COMMAND:
      if (window) window->OnCommand(wParam, lParam);
      return 0;
    case WM_CTLCOLORBTN:
      if (window) {
        if (HBRUSH brush = window->OnCtlColorButton(wParam, lParam)) {
          return reinterpret_cast<LRESULT>(brush);
        }
      }
      return DefWindowProcW(hwnd, message, wParam, lParam);
    case WM_MOUSEMOVE:
      if (window) window->OnMouseMove(wParam, LowHalf(lParam), HighHalf(lParam));
      return 0;
    case WM_LBUTTONDOWN:
      if (window) window->OnLButtonDown(wParam, LowHalf(lParam), HighHalf(lParam));
      return 0;
    case WM_LBUTTONUP:
      if (window) window->OnLButtonUp(wParam, LowHalf(lParam), HighHalf(lParam));
      return 0;
    case WM_NCDESTROY:
      // The handle dies here and the platform may hand it to a new window.
      if (window) windowTable.Remove(&window->tableEntry);
      return DefWindowProcW(hwnd, message, wParam, lParam);
    default:
      return DefWindowProcW(hwnd, message, wParam, lParam);
  }
}

}  // namespace morvane
