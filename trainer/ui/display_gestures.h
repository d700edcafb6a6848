// The stylus arithmetic of the character display windows: how a drag scrolls
// a string that is too wide, when a press counts as a tap, and the pause per
// cell that a tap hands to the stroke animation. Platform-neutral.
#pragma once

#include <cstdint>

namespace morvane {

// Movement, in pixels summed over a press, up to which the press is a tap.
constexpr int32_t kTapSlack = 3;
// The held time a tap counts, and the divisor that turns it into the pause.
constexpr uint32_t kShortestHold = 450;
constexpr uint32_t kLongestHold = 3000;
constexpr uint32_t kHoldDivisor = 7;

// The scroll fields of a display window, in its field order.
struct DragScroll {
  int32_t lastX = -1;           // x at the previous move, -1 before the first
  int32_t scrollOffset = 0;     // 0 or negative
  int32_t dragDistance = 0;     // sum of |x movement| of the press
  int32_t minScrollOffset = 0;  // the furthest left the text may go
};

// Follows one move of the stylus with its button down: the first move of a
// press only records x; later ones scroll by the movement, kept between
// minScrollOffset and 0. Returns whether scrollOffset changed.
bool followDrag(DragScroll& scroll, int32_t x);

// A press that moved more than kTapSlack pixels in all is a drag.
inline bool isDrag(int32_t dragDistance) { return dragDistance > kTapSlack; }

// The repaint a move asks for: only once the press is a drag and the text moved.
inline bool dragNeedsRepaint(int32_t dragDistance, bool moved) {
  return isDrag(dragDistance) && moved;
}

// How far left a string of textWidth pixels may scroll in a box boxWidth wide
// (4 pixels less inside a border): 0 when it fits.
int32_t minScrollOffsetFor(int32_t boxWidth, int32_t textWidth, bool framed);

// The pause per cell for a tap held heldMs: the time limited to 450..3000 ms,
// divided by 7 (64..428 ms).
uint32_t tapDelay(uint32_t heldMs);

}  // namespace morvane
