// TappableJpnDisplay: a character display in which lifting the stylus from a
// character, without having dragged, shows that character's stroke order.
#pragma once

#include <windows.h>

#include <cstdint>

#include "ui/jpn_display.h"

namespace morvane {

class TappableJpnDisplay : public JpnDisplay {
 public:
  TappableJpnDisplay(int x, int y, int width, int height, HWND parentWindow,
                     HINSTANCE moduleInstance, CharFont* font, int32_t align, int32_t markHeight);

  // Notes when the press began.
  void OnLButtonDown(WPARAM keys, uint16_t x, uint16_t y) override;
  // A tap on a character animates its strokes, slower the longer the stylus
  // was held; a drag or a tap beside the characters does nothing.
  void OnLButtonUp(WPARAM keys, uint16_t x, uint16_t y) override;

  uint32_t pressTime = 0;
  int32_t pressed = 0;
  // Passed to the animation: the stroke popup (non-zero) or in place (0).
  int32_t largeStrokes = 1;
};

}  // namespace morvane
