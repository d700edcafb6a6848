// Taps on the character display: which character, for how long, and the
// stroke animation they start.
#include "ui/tappable_jpn_display.h"

#include <string>

#include "lesson/encoding.h"
#include "platform/clock.h"
#include "strokes/stroke_animation.h"

namespace morvane {

TappableJpnDisplay::TappableJpnDisplay(int x, int y, int width, int height, HWND parentWindow,
                                       HINSTANCE moduleInstance, CharFont* displayFont,
                                       int32_t textAlign, int32_t reservedForMarks)
    : JpnDisplay(x, y, width, height, parentWindow, moduleInstance, displayFont, textAlign,
                 reservedForMarks) {}

void TappableJpnDisplay::OnLButtonDown(WPARAM keys, uint16_t x, uint16_t y) {
  JpnDisplay::OnLButtonDown(keys, x, y);
  pressTime = uiClock().TickCount();
  pressed = 1;
}

void TappableJpnDisplay::OnLButtonUp(WPARAM, uint16_t x, uint16_t y) {
  if (!font || !pressed || !textEnabled) return;
  lastX = -1;
  const bool dragged = isDrag(dragDistance);
  dragDistance = 0;
  if (dragged) {
    pressed = 0;
    return;
  }
  const uint32_t delay = tapDelay(uiClock().TickCount() - pressTime);

  // The box DrawStringWithMarks fits the characters into.
  const int32_t width = bounds.right - bounds.left;
  const int32_t height = bounds.bottom - markHeight + 3 - bounds.top;
  const int32_t count = chars.Count();
  const int index =
      font->HitTest(x - scrollOffset, y, bounds.left, bounds.top, width, height, count, align);
  pressed = 0;
  if (index < 0) return;

  const std::string key = hexKey(tokenAt(&chars, index).code());
  const std::wstring wideKey(key.begin(), key.end());
  RECT glyph = font->GetCharRect(index, bounds.left, bounds.top, width, height, count, align);
  glyph.left += scrollOffset;
  glyph.right += scrollOffset;
  // Nothing of this window is touched afterwards: it may be gone by the time
  // the animation returns.
  animateStrokes(*this, wideKey.c_str(), glyph.left, glyph.top, glyph.right, glyph.bottom, delay,
                 largeStrokes);
}

}  // namespace morvane
