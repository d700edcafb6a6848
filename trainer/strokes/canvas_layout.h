// Where the clearable canvas puts its drawing area and its two buttons.
#pragma once

#include <cstdint>

#include "base/layout_box.h"

namespace morvane {

struct CanvasLayout {
  LayoutBox drawArea;
  LayoutBox clearButton;
  LayoutBox undoButton;
};

// The button height for a dialog base unit height: one and a half units.
int32_t CanvasButtonHeight(int32_t dialogUnitHeight);

// Lays out the area left, top, right, bottom with buttons bh high: the drawing
// area on top, 2 pixels of gap, then "Clear All" and "Undo Stroke" side by
// side with 2 pixels between them. Sizes too small for the buttons come out
// as 0, never negative.
CanvasLayout ComputeCanvasLayout(int32_t left, int32_t top, int32_t right, int32_t bottom,
                                 int32_t bh);

}  // namespace morvane
