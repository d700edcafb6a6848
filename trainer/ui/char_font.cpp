// CharFont: what every character font shares (width of a string, fitting,
// character rectangles and hit testing).
#include "ui/char_font.h"

namespace morvane {

int charCount(const CharString* chars) { return chars ? chars->Count() : 0; }

const CharToken& tokenAt(const CharString* chars, int i) {
  static const CharToken kEmpty;
  const void* cell = chars->At(i);
  return cell ? *static_cast<const CharToken*>(cell) : kEmpty;
}

int CharFont::TextWidth(const CharString* chars) {
  return naturalTextWidth(charCount(chars), CharWidth());
}

StringFit CharFont::fit(int x, int y, int w, int usableHeight, int count, int align,
                        int leftStart) {
  FitRequest r;
  r.x = x;
  r.y = y;
  r.w = w;
  r.usableHeight = usableHeight;
  r.naturalWidth = naturalTextWidth(count, CharWidth());
  r.count = count;
  r.glyphWidth = CharWidth();
  r.glyphHeight = CharHeight();
  r.align = align;
  r.leftStart = leftStart;
  return fitString(r);
}

RECT CharFont::GetCharRect(int index, int x, int y, int w, int h, int count, int align) {
  StringFit f = fit(x, y, w, h - 6, count, align, 4);
  RECT r;
  r.left = f.cellLeft(index);
  r.top = f.top;
  r.right = r.left + f.cellWidth;
  r.bottom = r.top + f.cellHeight;
  return r;
}

int CharFont::HitTest(int px, int py, int x, int y, int w, int h, int count, int align) {
  for (int i = 0; i < count; ++i) {
    RECT r = GetCharRect(i, x, y, w, h, count, align);
    if (r.left <= px && px <= r.right && r.top <= py && py <= r.bottom) return i;
  }
  return -1;
}

}  // namespace morvane
