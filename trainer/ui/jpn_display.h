// JpnDisplay: a framework window that draws a CharString with a CharFont,
// fitted and scaled into its box, and lets the stylus drag a string that is
// too wide sideways.
#pragma once

#include <windows.h>

#include <cstdint>

#include "ui/char_font.h"
#include "ui/display_gestures.h"
#include "ui/window.h"

namespace morvane {

class JpnDisplay : public Window {
 public:
  // Creates the window (class "JpnDisplay", white background) and its clip
  // region. The font is not owned and may be none (then only the border is drawn).
  JpnDisplay(int x, int y, int width, int height, HWND parentWindow, HINSTANCE moduleInstance,
             CharFont* font, int32_t align, int32_t markHeight);
  ~JpnDisplay() override;

  // The border, then (while textEnabled) the text clipped inside it.
  void OnPaint(HDC hdc) override;
  // Follows the new size with the clip region; the scroll position stays.
  void OnSize(uint16_t a, uint16_t b, uint16_t c, uint16_t d) override;
  // A press starts afresh: its first move only records where the stylus is.
  void OnLButtonDown(WPARAM keys, uint16_t x, uint16_t y) override;
  void OnLButtonUp(WPARAM keys, uint16_t x, uint16_t y) override;
  // With the button down, scrolls the text with the stylus.
  void OnMouseMove(WPARAM keys, uint16_t x, uint16_t y) override;
  // The pens, then the text pen and the clip region.
  void ReleaseGdiObjects() override;

  // Shows a new string (the cells stay the caller's) at its rest position.
  // Does not repaint; the caller invalidates. None shows nothing.
  void SetChars(const CharString* newChars);
  void SetFont(CharFont* newFont) { font = newFont; }
  void SetMarkHeight(int32_t height) { markHeight = height; }

  int32_t textEnabled = 1;
  CharString chars{64};
  CharFont* font = nullptr;
  HPEN pen = nullptr;
  HRGN clipRegion = nullptr;
  int32_t align = kAlignLeft;
  int32_t markHeight = 0;
  int32_t lastX = -1;
  int32_t scrollOffset = 0;
  int32_t dragDistance = 0;
  int32_t minScrollOffset = 0;

 protected:
  // The base painting, then, while the text is enabled, drawText(hdc) with
  // the text pen and the clip region selected, both restored afterwards.
  template <typename DrawText>
  void PaintText(HDC hdc, DrawText drawText);

 private:
  HRGN MakeClipRegion() const;
};

template <typename DrawText>
void JpnDisplay::PaintText(HDC hdc, DrawText drawText) {
  Window::OnPaint(hdc);
  if (!textEnabled) return;
  HGDIOBJ previousPen = pen ? SelectObject(hdc, pen) : nullptr;
  SelectClipRgn(hdc, clipRegion);
  if (font) drawText(hdc);
  if (previousPen) SelectObject(hdc, previousPen);
  SelectClipRgn(hdc, nullptr);
}

}  // namespace morvane
