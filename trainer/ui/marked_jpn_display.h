// MarkedJpnDisplay: a tappable character display that also marks, under each
// character, missing stroke data (blue cross) and missing feedback data
// (orange cross). The study screen's Hanzi and reading views are of this class.
#pragma once

#include <windows.h>

#include <cstdint>
#include <vector>

#include "strokes/growable_list.h"
#include "ui/tappable_jpn_display.h"

namespace morvane {

class MarkedJpnDisplay : public TappableJpnDisplay {
 public:
  MarkedJpnDisplay(int x, int y, int width, int height, HWND parentWindow, HINSTANCE moduleInstance,
                   CharFont* font, int32_t align, int32_t markHeight);
  ~MarkedJpnDisplay() override;

  // The text with its marks, markHeight pixels reserved below the characters.
  void OnPaint(HDC hdc) override;

  // SetChars, then keeps its own copy of the marks: one byte per character,
  // bit 0 set when stroke data is there, bit 1 when feedback data is. A
  // character without a mark byte gets no cross.
  void SetCharsWithMarks(const CharString* newChars, std::vector<uint8_t> newMarks);

  GrowableList<uint8_t> marks{64};
};

}  // namespace morvane
