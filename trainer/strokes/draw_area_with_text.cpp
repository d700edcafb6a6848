// Caption painting over the strokes.
#include "strokes/draw_area_with_text.h"

namespace morvane {

DrawAreaWithText::DrawAreaWithText(int x, int y, int width, int height, HWND parentWindow,
                                   HINSTANCE moduleInstance)
    : DrawArea(x, y, width, height, parentWindow, moduleInstance) {}

void DrawAreaWithText::OnPaint(HDC paintDc) {
  RECT textRect = bounds;
  textRect.left += 20;
  textRect.top += 15;
  textRect.right -= 20;
  DrawArea::OnPaint(paintDc);
  if (!hasCaption_) return;
  COLORREF previousColor = SetTextColor(paintDc, RGB(0, 0, 0));
  DrawTextW(paintDc, caption_.c_str(), static_cast<int>(caption_.size()), &textRect,
            DT_CENTER | DT_WORDBREAK);
  SetTextColor(paintDc, previousColor);
}

void DrawAreaWithText::SetText(const wchar_t* text) {
  hasCaption_ = text != nullptr;
  caption_ = text ? text : L"";
}

}  // namespace morvane
