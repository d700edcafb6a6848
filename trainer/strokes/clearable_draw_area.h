// The handwriting canvas: a drawing area with the push buttons "Clear All"
// and "Undo Stroke" below it. It relays the drawing area's pen events to its
// own listeners.
#pragma once

#include <windows.h>

#include <cstdint>

#include "strokes/draw_area_with_text.h"
#include "strokes/stroke_listener.h"
#include "ui/window.h"

namespace morvane {

constexpr int kClearAllButtonId = 1007;
constexpr int kUndoStrokeButtonId = 1008;

class ClearableDrawArea : public StrokeListener, public Window {
 public:
  // Creates the window (class "ClearableDrawArea", static-area background);
  // its buttons and drawing area are made while it is created.
  ClearableDrawArea(int x, int y, int width, int height, HWND parentWindow,
                    HINSTANCE moduleInstance);
  // Unsubscribes from the drawing area and deletes it.
  ~ClearableDrawArea() override;

  // Invalidates the drawing area.
  BOOL Invalidate() override;
  // Makes the two buttons and the drawing area, and listens to it.
  void OnCreate(HWND newWindow) override;
  // Paints nothing: the canvas has no border of its own.
  void OnPaint(HDC hdc) override;
  // Lays out the drawing area and the buttons below it.
  void OnSize(uint16_t a, uint16_t b, uint16_t c, uint16_t d) override;
  // "Clear All" and "Undo Stroke"; any command then gives the focus back to
  // the parent, so that the buttons do not keep it.
  void OnCommand(WPARAM wParam, LPARAM lParam) override;

  // Relay the drawing area's events to this canvas's listeners.
  void OnStrokePoint(StrokeListenerList* source, uint32_t keys, int32_t x, int32_t y) override;
  void OnStrokeEnd(StrokeListenerList* source, uint32_t keys, int32_t x, int32_t y) override;
  void OnStrokeExtra(StrokeListenerList* source, uint32_t keys, int32_t x, int32_t y) override;

  // Sets or removes the drawing area's caption.
  void SetText(const wchar_t* text);
  // The pen for live drawing; none means the default pen.
  void SetPen(HPEN pen);
  // Recolours a stroke of the drawing area.
  void SetStrokeColor(int32_t index, COLORREF color);
  // The drawing area, for ClearAll, StrokeCount and GetStroke.
  DrawAreaWithText* DrawingArea() const { return drawArea; }

  StrokeListenerList listeners;
  HWND clearButton = nullptr;
  HWND undoButton = nullptr;
  DrawAreaWithText* drawArea = nullptr;
};

}  // namespace morvane
