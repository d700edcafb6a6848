// The canvas's buttons, layout and event relay.
#include "strokes/clearable_draw_area.h"

#include "device/device_screen.h"
#include "strokes/canvas_layout.h"
#include "ui/window_colors.h"

namespace morvane {
namespace {

HWND CreatePushButton(HWND parentWindow, const wchar_t* label, int id, HINSTANCE instance) {
  return device::CreateWindowExW(0, L"button", label, WS_CHILD | WS_VISIBLE, 0, 0, 0, 0, parentWindow,
                         reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), instance, nullptr);
}

void Place(HWND window, const LayoutBox& box) {
  SetWindowPos(window, nullptr, box.x, box.y, box.width, box.height, SWP_NOZORDER);
}

}  // namespace

ClearableDrawArea::ClearableDrawArea(int x, int y, int width, int height, HWND parentWindow,
                                     HINSTANCE moduleInstance) {
  CreateEx(x, y, width, height, parentWindow, moduleInstance, L"ClearableDrawArea", nullptr,
           StaticBrush(), 0);
}

ClearableDrawArea::~ClearableDrawArea() {
  if (drawArea) {
    drawArea->listeners.Unsubscribe(this);
    delete drawArea;
  }
}

BOOL ClearableDrawArea::Invalidate() { return drawArea ? drawArea->Invalidate() : FALSE; }

void ClearableDrawArea::OnCreate(HWND newWindow) {
  clearButton = CreatePushButton(newWindow, L"Clear All", kClearAllButtonId, instance);
  undoButton = CreatePushButton(newWindow, L"Undo Stroke", kUndoStrokeButtonId, instance);
  drawArea = new DrawAreaWithText(0, 0, 0, 0, newWindow, instance);
  drawArea->listeners.Subscribe(this);
}

void ClearableDrawArea::OnPaint(HDC) {}

void ClearableDrawArea::OnSize(uint16_t a, uint16_t b, uint16_t c, uint16_t d) {
  Window::OnSize(a, b, c, d);
  const int32_t bh = CanvasButtonHeight(HIWORD(GetDialogBaseUnits()));
  const CanvasLayout layout =
      ComputeCanvasLayout(bounds.left, bounds.top, bounds.right, bounds.bottom, bh);
  if (drawArea) {
    drawArea->Move(layout.drawArea.x, layout.drawArea.y, layout.drawArea.width,
                   layout.drawArea.height);
  }
  Place(clearButton, layout.clearButton);
  Place(undoButton, layout.undoButton);
}

void ClearableDrawArea::OnCommand(WPARAM wParam, LPARAM) {
  if (drawArea) {
    switch (LOWORD(wParam)) {
      case kClearAllButtonId:
        drawArea->ClearAll();
        break;
      case kUndoStrokeButtonId:
        drawArea->UndoStroke();
        break;
      default:
        break;
    }
  }
  SetFocus(parent);
}

void ClearableDrawArea::OnStrokePoint(StrokeListenerList*, uint32_t keys, int32_t x, int32_t y) {
  listeners.RaiseStrokePoint(keys, x, y);
}

void ClearableDrawArea::OnStrokeEnd(StrokeListenerList*, uint32_t keys, int32_t x, int32_t y) {
  listeners.RaiseStrokeEnd(keys, x, y);
}

void ClearableDrawArea::OnStrokeExtra(StrokeListenerList*, uint32_t keys, int32_t x, int32_t y) {
  listeners.RaiseStrokeExtra(keys, x, y);
}

void ClearableDrawArea::SetText(const wchar_t* text) {
  if (drawArea) drawArea->SetText(text);
}

void ClearableDrawArea::SetPen(HPEN pen) {
  if (drawArea) drawArea->SetPen(pen);
}

void ClearableDrawArea::SetStrokeColor(int32_t index, COLORREF color) {
  if (drawArea) drawArea->SetStrokeColor(index, color);
}

}  // namespace morvane
