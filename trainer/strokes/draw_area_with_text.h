// A drawing area that also shows a caption of plain text over the strokes
// (the welcome text while no lesson is open).
#pragma once

#include <windows.h>

#include "strokes/draw_area.h"

namespace morvane {

class DrawAreaWithText : public DrawArea {
 public:
  // Creates the drawing area (class "DrawArea") without a caption.
  DrawAreaWithText(int x, int y, int width, int height, HWND parentWindow,
                   HINSTANCE moduleInstance);
  ~DrawAreaWithText() override;

  // Paints the drawing area, then the caption in black, centred and wrapped
  // into lines, inset 20 pixels left and right and 15 from the top.
  void OnPaint(HDC paintDc) override;

  // Keeps a copy of the text as the caption; none removes it. Takes effect at
  // the next paint.
  void SetText(const wchar_t* text);
  // The caption, or none.
  const wchar_t* Caption() const { return caption; }

  // Owned copy of the caption text, or none.
  wchar_t* caption = nullptr;
};

}  // namespace morvane
