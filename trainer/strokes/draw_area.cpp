// Live drawing, stroke recording and repainting of the drawing area.
#include "strokes/draw_area.h"

namespace morvane {
namespace {

constexpr int kStrokeWidth = 2;
constexpr COLORREF kNewStrokeColor = RGB(0, 0, 0);

}  // namespace

DrawArea::DrawArea(int x, int y, int width, int height, HWND parentWindow,
                   HINSTANCE moduleInstance) {
  Create(x, y, width, height, parentWindow, moduleInstance, L"DrawArea", nullptr,
         static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)));
  hdc = GetDC(hwnd);
  defaultPen = CreatePen(PS_SOLID, kStrokeWidth, GetSysColor(COLOR_WINDOWTEXT));
  originalPen_ = SelectObject(hdc, defaultPen);
  clipRegion = MakeClipRegion();
  currentPen = defaultPen;
}

DrawArea::~DrawArea() {
  if (hdc) {
    SelectClipRgn(hdc, nullptr);
    SelectObject(hdc, originalPen_);
    if (IsLive()) ReleaseDC(hwnd, hdc);
  }
  DeleteObject(defaultPen);
  DeleteObject(clipRegion);
}

HRGN DrawArea::MakeClipRegion() const {
  const LONG inset = framed ? 2 : 0;
  return CreateRectRgn(bounds.left + inset, bounds.top + inset, bounds.right - inset,
                       bounds.bottom - inset);
}

void DrawArea::OnPaint(HDC paintDc) {
  Window::OnPaint(paintDc);
  SelectClipRgn(paintDc, clipRegion);
  for (int32_t i = 0; i < strokes.Count(); ++i) {
    const PointList& stroke = strokes[i];
    paintPoints_.resize(static_cast<size_t>(stroke.Count()));
    for (int32_t j = 0; j < stroke.Count(); ++j) paintPoints_[j] = {stroke[j].x, stroke[j].y};
    HPEN pen = CreatePen(PS_SOLID, kStrokeWidth, strokeColors[i]);
    HGDIOBJ previous = SelectObject(paintDc, pen);
    Polyline(paintDc, paintPoints_.data(), stroke.Count());
    SelectObject(paintDc, previous);
    DeleteObject(pen);
  }
  SelectClipRgn(paintDc, nullptr);
}

void DrawArea::OnSize(uint16_t a, uint16_t b, uint16_t c, uint16_t d) {
  Window::OnSize(a, b, c, d);
  HRGN old = clipRegion;
  clipRegion = MakeClipRegion();
  DeleteObject(old);
}

void DrawArea::OnLButtonDown(WPARAM keys, uint16_t x, uint16_t y) {
  lastPoint = {x, y};
  strokes.StartStroke(lastPoint);
  strokeColors.Append(kNewStrokeColor);
  listeners.RaiseStrokePoint(static_cast<uint32_t>(keys), x, y);
}

void DrawArea::OnLButtonUp(WPARAM keys, uint16_t x, uint16_t y) {
  listeners.RaiseStrokeEnd(static_cast<uint32_t>(keys), x, y);
}

void DrawArea::OnMouseMove(WPARAM keys, uint16_t x, uint16_t y) {
  if (keys & MK_LBUTTON) {
    SelectClipRgn(hdc, clipRegion);
    HGDIOBJ previous = SelectObject(hdc, currentPen);
    const POINT segment[] = {{lastPoint.x, lastPoint.y}, {x, y}};
    Polyline(hdc, segment, 2);
    SelectObject(hdc, previous);
    lastPoint = {x, y};
    if (PointList* stroke = strokes.LastStroke()) stroke->Append(lastPoint);
  }
  listeners.RaiseStrokePoint(static_cast<uint32_t>(keys), x, y);
}

void DrawArea::ClearAll() {
  strokes.Clear();
  strokeColors.Clear();
  InvalidateRect(hwnd, &bounds, TRUE);
}

void DrawArea::UndoStroke() {
  strokes.RemoveLast();
  strokeColors.RemoveLast();
  InvalidateRect(hwnd, &bounds, TRUE);
}

void DrawArea::SetStrokeColor(int32_t index, COLORREF color) {
  if (index < 0 || index >= strokeColors.Count()) return;
  strokeColors[index] = color;
  InvalidateRect(hwnd, &bounds, FALSE);
}

void DrawArea::SetPen(HPEN pen) { currentPen = pen ? pen : defaultPen; }

}  // namespace morvane
