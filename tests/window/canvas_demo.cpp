// Demonstration: a canvas with a few strokes, some recoloured, a caption and
// a status line, in a window the size of the handheld's screen. Strokes are
// drawn by synthesized pen messages, as the stylus would.
#include <windows.h>

#include "app/status_area.h"
#include "strokes/clearable_draw_area.h"

using morvane::ClearableDrawArea;
using morvane::StatusArea;

namespace {

LRESULT CALLBACK HostProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_DESTROY) {
    PostQuitMessage(0);
    return 0;
  }
  return DefWindowProcW(hwnd, message, wParam, lParam);
}

// A stroke through the points, with the pen down from the first to the last.
void DrawStroke(HWND area, const POINT* points, int count) {
  SendMessageW(area, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(points[0].x, points[0].y));
  for (int i = 1; i < count; ++i) {
    SendMessageW(area, WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(points[i].x, points[i].y));
  }
  SendMessageW(area, WM_LBUTTONUP, 0, MAKELPARAM(points[count - 1].x, points[count - 1].y));
}

}  // namespace

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int show) {
  WNDCLASSW hostClass = {};
  hostClass.lpfnWndProc = HostProc;
  hostClass.hInstance = instance;
  hostClass.hbrBackground = GetSysColorBrush(COLOR_BTNFACE);
  hostClass.lpszClassName = L"CanvasDemo";
  RegisterClassW(&hostClass);
  RECT frame = {0, 0, 240, 320};
  AdjustWindowRect(&frame, WS_OVERLAPPEDWINDOW, FALSE);
  HWND host = CreateWindowExW(0, L"CanvasDemo", L"Canvas demo", WS_OVERLAPPEDWINDOW, 20, 20,
                              frame.right - frame.left, frame.bottom - frame.top, nullptr,
                              nullptr, instance, nullptr);

  auto* canvas = new ClearableDrawArea(0, 0, 0, 0, host, instance);
  canvas->Move(4, 4, 232, 280);
  auto* status = new StatusArea(host, instance);
  status->Move(0, 292, 240, 28);
  ShowWindow(host, show);
  UpdateWindow(host);

  HWND area = canvas->DrawingArea()->hwnd;
  // Below the caption, whose text cells are painted opaquely over strokes.
  const POINT across[] = {{30, 140}, {80, 138}, {130, 137}, {190, 140}};
  const POINT down[] = {{110, 110}, {111, 160}, {112, 210}, {110, 250}};
  const POINT hook[] = {{60, 180}, {90, 200}, {120, 215}, {170, 195}};
  const POINT tap[] = {{40, 240}};
  DrawStroke(area, across, 4);
  DrawStroke(area, down, 4);
  DrawStroke(area, hook, 4);
  DrawStroke(area, tap, 1);
  canvas->SetStrokeColor(1, RGB(0, 0, 255));
  canvas->SetStrokeColor(2, RGB(255, 0, 0));
  canvas->SetText(L"Welcome to Morvane!\nSelect File-Open... from the menu to start a lesson.");
  canvas->Invalidate();

  status->rightCount = 3;
  status->wrongCount = 1;
  status->total = 25;
  status->setLabel(L"lesson1");
  status->Invalidate();

  MSG message;
  while (GetMessageW(&message, nullptr, 0, 0) > 0) {
    TranslateMessage(&message);
    DispatchMessageW(&message);
  }
  delete status;
  delete canvas;
  return static_cast<int>(message.wParam);
}
