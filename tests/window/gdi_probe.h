// Test helpers for windows and pixels: a visible top-level host window for
// framework children, and a memory bitmap to paint into and read back.
#pragma once

#include <windows.h>

#include <cstdint>

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
