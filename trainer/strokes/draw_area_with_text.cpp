// Caption painting over the strokes.
#include "strokes/draw_area_with_text.h"

#include <cwchar>

#include "device/device_screen.h"

namespace morvane {

DrawAreaWithText::DrawAreaWithText(int x, int y, int width, int height, HWND parentWindow,
                                   HINSTANCE moduleInstance)
    : DrawArea(x, y, width, height, parentWindow, moduleInstance) {}

DrawAreaWithText::~DrawAreaWithText() { delete[] caption; }

void DrawAreaWithText::OnPaint(HDC paintDc) {
  RECT textRect = bounds;
  textRect.left += 20;
  textRect.top += 15;
  textRect.right -= 20;
  DrawArea::OnPaint(paintDc);
  if (!caption) return;
  COLORREF previousColor = SetTextColor(paintDc, RGB(0, 0, 0));
  // The handheld's paint font is its small system font; the desktop's
  // default one is larger and would cut the welcome text short.
  HGDIOBJ previousFont = SelectObject(paintDc, device::controlFont());
  DrawTextW(paintDc, caption, -1, &textRect, DT_CENTER | DT_WORDBREAK);
  SelectObject(paintDc, previousFont);
  SetTextColor(paintDc, previousColor);
}

void DrawAreaWithText::SetText(const wchar_t* text) {
  wchar_t* copy = nullptr;
  if (text) {
    const size_t length = std::wcslen(text);
    copy = new wchar_t[length + 1];
    std::wmemcpy(copy, text, length + 1);
  }
  delete[] caption;
  caption = copy;
}

}  // namespace morvane
