// Test helpers for windows and pixels: a visible top-level host window for
// framework children, a memory bitmap to paint into and read back, and the
// order of an object's fields.
#pragma once

#include <windows.h>

#include <cstddef>
#include <cstdint>
#include <string>

namespace morvane {

// A plain top-level window that framework windows can live in.
class HostWindow {
 public:
  HostWindow(int width = 320, int height = 320);
  ~HostWindow();
  HostWindow(const HostWindow&) = delete;
  HostWindow& operator=(const HostWindow&) = delete;

  HWND hwnd = nullptr;
};

// The colour of the window's class background brush.
COLORREF ClassBrushColor(HWND hwnd);
// The window's class name.
std::wstring ClassOf(HWND hwnd);

// True when the addresses rise in the order given.
template <typename... Fields>
bool InOrder(const Fields&... fields) {
  const uintptr_t addresses[] = {reinterpret_cast<uintptr_t>(&fields)...};
  for (size_t i = 1; i < sizeof addresses / sizeof addresses[0]; ++i) {
    if (addresses[i] <= addresses[i - 1]) return false;
  }
  return true;
}

// A 32-bit memory bitmap selected into its own device context, filled with
// one colour. GDI draws into it like a window and GetPixel reads it back.
class PixelCanvas {
 public:
  PixelCanvas(int width, int height, COLORREF fill);
  ~PixelCanvas();
  PixelCanvas(const PixelCanvas&) = delete;
  PixelCanvas& operator=(const PixelCanvas&) = delete;

  COLORREF At(int x, int y) const { return GetPixel(dc, x, y); }
  // Pixels of the colour inside [left, right) x [top, bottom).
  int CountColor(COLORREF color, int left, int top, int right, int bottom) const;
  // Pixels that differ from `background` inside the rectangle.
  int CountNot(COLORREF background, int left, int top, int right, int bottom) const;

  HDC dc = nullptr;
  int width;
  int height;

 private:
  HBITMAP bitmap_ = nullptr;
  HGDIOBJ previousBitmap_ = nullptr;
};

}  // namespace morvane
