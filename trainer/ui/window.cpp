// Creation, default handlers and the sunken border of framework windows.
#include "ui/window.h"

#include <initializer_list>

#include "ui/shared_wnd_proc.h"
#include "ui/window_table.h"

namespace morvane {
namespace {

// One open polyline in one pen.
void DrawPolyline(HDC hdc, HPEN pen, const POINT* points, int count) {
  SelectObject(hdc, pen);
  Polyline(hdc, points, count);
}

}  // namespace

HWND Window::Create(int x, int y, int width, int height, HWND parentWindow,
                    HINSTANCE moduleInstance, const wchar_t* className, WNDPROC wndProc) {
  return CreateEx(x, y, width, height, parentWindow, moduleInstance, className, wndProc,
                  static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)), 0);
}

HWND Window::Create(int x, int y, int width, int height, HWND parentWindow,
                    HINSTANCE moduleInstance, const wchar_t* className, WNDPROC wndProc,
                    HBRUSH background) {
  return CreateEx(x, y, width, height, parentWindow, moduleInstance, className, wndProc,
                  background, 0);
}

HWND Window::CreateEx(int x, int y, int width, int height, HWND parentWindow,
                      HINSTANCE moduleInstance, const wchar_t* className, WNDPROC wndProc,
                      HBRUSH background, DWORD exStyle) {
  WNDCLASSW windowClass = {};
  windowClass.style = CS_HREDRAW | CS_VREDRAW;
  windowClass.lpfnWndProc = wndProc ? wndProc : SharedWndProc;
  windowClass.hInstance = moduleInstance;
  windowClass.hbrBackground = background;
  windowClass.lpszClassName = className;
  // Later windows of a class register the name again, which fails harmlessly.
  RegisterClassW(&windowClass);

  framed = 1;
  parent = parentWindow;
  instance = moduleInstance;
  bounds = {x, y, width, height};

  windowBeingCreated = this;
  hwnd = CreateWindowExW(exStyle, className, className, WS_CHILD | WS_VISIBLE, x, y, width,
                         height, parentWindow, nullptr, moduleInstance, nullptr);

  tableEntry.hwnd = hwnd;
  tableEntry.owner = this;
  if (hwnd && !windowTable.Contains(&tableEntry)) windowTable.Add(&tableEntry);

  DeletePens();
  shadowPen = CreatePen(PS_SOLID, 1, RGB(128, 128, 128));
  highlightPen = CreatePen(PS_SOLID, 1, RGB(255, 255, 255));
  darkPen = CreatePen(PS_SOLID, 1, RGB(0, 0, 0));
  lightPen = CreatePen(PS_SOLID, 1, RGB(192, 192, 192));
  return hwnd;
}

HWND Window::Create(int x, int y, int width, int height, HWND parentWindow,
                    HINSTANCE moduleInstance, const wchar_t* className) {
  return Create(x, y, width, height, parentWindow, moduleInstance, className, nullptr);
}

void Window::DrawSunkenBorder(HDC hdc, bool outlined) {
  LONG l = bounds.left, t = bounds.top, r = bounds.right, b = bounds.bottom;
  HGDIOBJ previousPen = GetCurrentObject(hdc, OBJ_PEN);
  if (outlined) {
    const POINT outline[] = {{l, t}, {r - 1, t}, {r - 1, b - 1}, {l, b - 1}, {l, t}};
    DrawPolyline(hdc, darkPen, outline, 5);
    // The two rings follow one pixel further in.
    l += 1;
    t += 1;
    r -= 1;
    b -= 1;
  }
  const POINT shadow[] = {{l, b - 1}, {l, t}, {r - 1, t}};
  const POINT highlight[] = {{r - 1, t}, {r - 1, b - 1}, {l, b - 1}};
  const POINT dark[] = {{l + 1, b - 2}, {l + 1, t + 1}, {r - 2, t + 1}};
  const POINT light[] = {{r - 2, t + 1}, {r - 2, b - 2}, {l + 1, b - 2}};
  DrawPolyline(hdc, shadowPen, shadow, 3);
  DrawPolyline(hdc, highlightPen, highlight, 3);
  DrawPolyline(hdc, darkPen, dark, 3);
  DrawPolyline(hdc, lightPen, light, 3);
  SelectObject(hdc, previousPen);
}

BOOL Window::Invalidate() { return InvalidateRect(hwnd, &bounds, TRUE); }

void Window::OnCreate(HWND) {}
void Window::OnShow() {}
void Window::OnHide() {}

void Window::OnPaint(HDC hdc) {
  if (framed) DrawSunkenBorder(hdc, false);
}

void Window::OnSize(uint16_t a, uint16_t b, uint16_t c, uint16_t d) { bounds = {a, b, c, d}; }

void Window::OnKeyDown(WPARAM, LPARAM) {}
void Window::OnKeyUp(WPARAM, LPARAM) {}
void Window::OnLButtonDown(WPARAM, uint16_t, uint16_t) {}
void Window::OnLButtonUp(WPARAM, uint16_t, uint16_t) {}
void Window::OnMouseMove(WPARAM, uint16_t, uint16_t) {}
void Window::OnCommand(WPARAM, LPARAM) {}

void Window::ReleaseGdiObjects() { DeletePens(); }

void Window::OnHelp() {}

HBRUSH Window::OnCtlColorButton(WPARAM, LPARAM) { return nullptr; }

Window::~Window() {
  if (windowBeingCreated == this) windowBeingCreated = nullptr;
  // Out of the table first, so the destruction messages reach no half-gone object.
  if (windowTable.Remove(&tableEntry) && IsWindow(hwnd)) DestroyWindow(hwnd);
  DeletePens();
}

Window* Window::SetFramed(int32_t flag) {
  framed = flag;
  return this;
}

void Window::Move(int x, int y, int width, int height) {
  MoveWindow(hwnd, x, y, width, height, TRUE);
}

bool Window::IsLive() const { return windowTable.Contains(&tableEntry); }

void Window::DeletePens() {
  for (HPEN* pen : {&shadowPen, &highlightPen, &darkPen, &lightPen}) {
    if (*pen) DeleteObject(*pen);
    *pen = nullptr;
  }
}

}  // namespace morvane
