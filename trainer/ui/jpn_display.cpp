// Painting and drag scrolling of the character display window.
#include "ui/jpn_display.h"

namespace morvane {

JpnDisplay::JpnDisplay(int x, int y, int width, int height, HWND parentWindow,
                       HINSTANCE moduleInstance, CharFont* displayFont, int32_t textAlign,
                       int32_t reservedForMarks)
    : font(displayFont),
      pen(static_cast<HPEN>(GetStockObject(BLACK_PEN))),
      align(textAlign),
      markHeight(reservedForMarks) {
  Create(x, y, width, height, parentWindow, moduleInstance, L"JpnDisplay");
  clipRegion = MakeClipRegion();
}

JpnDisplay::~JpnDisplay() {
  if (clipRegion) DeleteObject(clipRegion);
}

HRGN JpnDisplay::MakeClipRegion() const {
  return CreateRectRgn(bounds.left + 2, bounds.top + 2, bounds.right - 2, bounds.bottom - 2);
}

void JpnDisplay::OnPaint(HDC hdc) {
  PaintText(hdc, [this](HDC dc) {
    font->DrawStringScrolled(dc, bounds.left, bounds.top, bounds.right - bounds.left,
                             bounds.bottom - bounds.top, &chars, align, scrollOffset);
  });
}

void JpnDisplay::OnSize(uint16_t a, uint16_t b, uint16_t c, uint16_t d) {
  Window::OnSize(a, b, c, d);
  if (clipRegion) DeleteObject(clipRegion);
  clipRegion = MakeClipRegion();
}

void JpnDisplay::OnLButtonDown(WPARAM, uint16_t, uint16_t) {
  lastX = -1;
  dragDistance = 0;
}

void JpnDisplay::OnLButtonUp(WPARAM, uint16_t, uint16_t) {}

void JpnDisplay::OnMouseMove(WPARAM keys, uint16_t x, uint16_t) {
  if (!font || !textEnabled || !(keys & MK_LBUTTON)) return;
  DragScroll scroll{lastX, scrollOffset, dragDistance, minScrollOffset};
  const bool moved = followDrag(scroll, x);
  lastX = scroll.lastX;
  scrollOffset = scroll.scrollOffset;
  dragDistance = scroll.dragDistance;
  if (!dragNeedsRepaint(dragDistance, moved)) return;
  RECT area = bounds;
  if (framed) InflateRect(&area, -2, -2);
  InvalidateRect(hwnd, &area, TRUE);
}

void JpnDisplay::ReleaseGdiObjects() {
  Window::ReleaseGdiObjects();
  // The text pen is a stock object, which needs no deleting.
  pen = nullptr;
  if (clipRegion) DeleteObject(clipRegion);
  clipRegion = nullptr;
}

void JpnDisplay::SetChars(const CharString* newChars) {
  scrollOffset = 0;
  lastX = -1;
  chars.Clear();
  if (newChars) chars.AssignRange(newChars->items, newChars->items + newChars->count);
  minScrollOffset =
      font ? minScrollOffsetFor(bounds.right - bounds.left, font->TextWidth(&chars), framed != 0)
           : 0;
}

}  // namespace morvane
