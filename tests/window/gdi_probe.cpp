// Host window and memory bitmap for the window tests.
#include "gdi_probe.h"

namespace morvane {

HostWindow::HostWindow(int width, int height) {
  WNDCLASSW windowClass = {};
  windowClass.lpfnWndProc = DefWindowProcW;
  windowClass.hInstance = GetModuleHandleW(nullptr);
  windowClass.lpszClassName = L"MorvaneTestHost";
  RegisterClassW(&windowClass);
  hwnd = CreateWindowExW(0, L"MorvaneTestHost", L"host", WS_POPUP | WS_VISIBLE, 0, 0, width,
                         height, nullptr, nullptr, GetModuleHandleW(nullptr), nullptr);
}

HostWindow::~HostWindow() {
  if (IsWindow(hwnd)) DestroyWindow(hwnd);
}

COLORREF ClassBrushColor(HWND hwnd) {
  LOGBRUSH brush = {};
  GetObjectW(reinterpret_cast<HGDIOBJ>(GetClassLongPtrW(hwnd, GCLP_HBRBACKGROUND)), sizeof brush,
             &brush);
  return brush.lbColor;
}

std::wstring ClassOf(HWND hwnd) {
  wchar_t name[64] = {};
  GetClassNameW(hwnd, name, 64);
  return name;
}

PixelCanvas::PixelCanvas(int w, int h, COLORREF fill) : width(w), height(h) {
  BITMAPINFO info = {};
  info.bmiHeader.biSize = sizeof info.bmiHeader;
  info.bmiHeader.biWidth = w;
  info.bmiHeader.biHeight = -h;
  info.bmiHeader.biPlanes = 1;
  info.bmiHeader.biBitCount = 32;
  info.bmiHeader.biCompression = BI_RGB;
  void* bits = nullptr;
  dc = CreateCompatibleDC(nullptr);
  bitmap_ = CreateDIBSection(dc, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
  previousBitmap_ = SelectObject(dc, bitmap_);
  RECT all = {0, 0, w, h};
  HBRUSH brush = CreateSolidBrush(fill);
  FillRect(dc, &all, brush);
  DeleteObject(brush);
}

PixelCanvas::~PixelCanvas() {
  SelectObject(dc, previousBitmap_);
  DeleteObject(bitmap_);
  DeleteDC(dc);
}

int PixelCanvas::CountColor(COLORREF color, int left, int top, int right, int bottom) const {
  int n = 0;
  for (int y = top; y < bottom; ++y) {
    for (int x = left; x < right; ++x) n += At(x, y) == color;
  }
  return n;
}

int PixelCanvas::CountNot(COLORREF background, int left, int top, int right, int bottom) const {
  return (right - left) * (bottom - top) - CountColor(background, left, top, right, bottom);
}

}  // namespace morvane
