// Painting of the character display with its marks for missing data.
#include "ui/marked_jpn_display.h"

namespace morvane {
namespace {

// Mark byte of a character whose data is all there: no cross.
constexpr uint8_t kNothingMissing = 3;

}  // namespace

MarkedJpnDisplay::MarkedJpnDisplay(int x, int y, int width, int height, HWND parentWindow,
                                   HINSTANCE moduleInstance, CharFont* displayFont,
                                   int32_t textAlign, int32_t reservedForMarks)
    : TappableJpnDisplay(x, y, width, height, parentWindow, moduleInstance, displayFont, textAlign,
                         reservedForMarks) {}

MarkedJpnDisplay::~MarkedJpnDisplay() = default;

void MarkedJpnDisplay::OnPaint(HDC hdc) {
  // The font reads one mark per character: a shorter list is padded.
  while (marks.Count() < chars.Count()) marks.Append(kNothingMissing);
  PaintText(hdc, [this](HDC dc) {
    font->DrawStringWithMarks(dc, bounds.left, bounds.top, bounds.right - bounds.left,
                              bounds.bottom - bounds.top, &chars, marks.items, align, markHeight,
                              scrollOffset);
  });
}

void MarkedJpnDisplay::SetCharsWithMarks(const CharString* newChars,
                                         std::vector<uint8_t> newMarks) {
  SetChars(newChars);
  marks.Clear();
  for (uint8_t mark : newMarks) marks.Append(mark);
}

}  // namespace morvane
