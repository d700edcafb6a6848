// Drag scrolling, the tap rule and the tap delay of the display windows.
#include "ui/display_gestures.h"

#include <cstdlib>

namespace morvane {

bool followDrag(DragScroll& scroll, int32_t x) {
  const int32_t previous = scroll.lastX;
  scroll.lastX = x;
  if (previous < 0) return false;
  const int32_t delta = x - previous;
  const int32_t old = scroll.scrollOffset;
  scroll.scrollOffset += delta;
  scroll.dragDistance += std::abs(delta);
  if (scroll.scrollOffset > 0) scroll.scrollOffset = 0;
  if (scroll.scrollOffset < scroll.minScrollOffset) scroll.scrollOffset = scroll.minScrollOffset;
  return scroll.scrollOffset != old;
}

int32_t minScrollOffsetFor(int32_t boxWidth, int32_t textWidth, bool framed) {
  int32_t offset = boxWidth - textWidth;
  if (framed) offset -= 4;
  return offset > 0 ? 0 : offset;
}

uint32_t tapDelay(uint32_t heldMs) {
  if (heldMs < kShortestHold) heldMs = kShortestHold;
  if (heldMs > kLongestHold) heldMs = kLongestHold;
  return heldMs / kHoldDivisor;
}

}  // namespace morvane
