// The drawing area of the handwriting canvas: draws the pen's path live,
// records each stroke with a colour, repaints the strokes in their colours and
// raises pen events to its listeners.
#pragma once

#include <windows.h>

#include <cstdint>
#include <vector>

#include "strokes/stroke_lists.h"
#include "strokes/stroke_listener.h"
#include "ui/window.h"

namespace morvane {

class DrawArea : public Window {
 public:
  // Creates the window (class "DrawArea", white background) and the drawing
  // tools: a device context kept for the window's life, the default pen and
  // the clip region.
  DrawArea(int x, int y, int width, int height, HWND parentWindow, HINSTANCE moduleInstance);
  ~DrawArea() override;

  // Repaints the border, then every stroke in its colour, clipped inside the border.
  void OnPaint(HDC paintDc) override;
  // Follows the new size with the clip region.
  void OnSize(uint16_t a, uint16_t b, uint16_t c, uint16_t d) override;
  // Pen down: starts a black stroke at the position.
  void OnLButtonDown(WPARAM keys, uint16_t x, uint16_t y) override;
  // Pen up: reports the end of the stroke; the position is not recorded.
  void OnLButtonUp(WPARAM keys, uint16_t x, uint16_t y) override;
  // Pen move: with the button down draws the segment live and records the point.
  void OnMouseMove(WPARAM keys, uint16_t x, uint16_t y) override;

  // Forgets every stroke and repaints.
  void ClearAll();
  // Forgets the last stroke, if any, and repaints.
  void UndoStroke();
  // Recolours stroke `index` and repaints without erasing; ignores an index
  // at or beyond the stroke count.
  void SetStrokeColor(int32_t index, COLORREF color);
  // The pen for live drawing; none means the default pen. The caller keeps
  // ownership of the pen.
  void SetPen(HPEN pen);
  int32_t StrokeCount() const { return strokes.Count(); }
  // The points of stroke `index` (0 = first drawn); index < StrokeCount().
  const PointList& GetStroke(int32_t index) const { return strokes[index]; }
  // The colour of stroke `index`; index < StrokeCount().
  COLORREF StrokeColor(int32_t index) const { return strokeColors[index]; }

  StrokeListenerList listeners;
  Point lastPoint;
  HDC hdc = nullptr;
  HPEN defaultPen = nullptr;
  HRGN clipRegion = nullptr;
  StrokeArray strokes;
  ColorList strokeColors;
  HPEN currentPen = nullptr;

 private:
  // `bounds`, inset by 2 pixels on every side while framed.
  HRGN MakeClipRegion() const;

  HGDIOBJ originalPen_ = nullptr;
  std::vector<POINT> paintPoints_;
};

}  // namespace morvane
