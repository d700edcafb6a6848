// Layout arithmetic of the clearable canvas.
#include "strokes/canvas_layout.h"

namespace morvane {
namespace {

int32_t NotNegative(int32_t v) { return v < 0 ? 0 : v; }

}  // namespace

int32_t CanvasButtonHeight(int32_t dialogUnitHeight) { return dialogUnitHeight * 3 / 2; }

CanvasLayout ComputeCanvasLayout(int32_t left, int32_t top, int32_t right, int32_t bottom,
                                 int32_t bh) {
  CanvasLayout layout;
  layout.drawArea = {left, top, NotNegative(right - left), NotNegative(bottom - top - bh - 2)};
  const int32_t half = (right - left - 2) / 2;
  layout.clearButton = {left, bottom - bh, NotNegative(half), bh};
  layout.undoButton = {left + half + 2, bottom - bh, NotNegative(half - 1), bh};
  return layout;
}

}  // namespace morvane
