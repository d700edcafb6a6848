// Painting of the status line.
#include "app/status_area.h"

#include "app/status_area_text.h"
#include "ui/window_colors.h"

namespace morvane {

StatusArea::StatusArea(HWND parentWindow, HINSTANCE moduleInstance) {
  const LONG units = GetDialogBaseUnits();
  textIndent = LOWORD(units);
  lineHeight = HIWORD(units);
  Create(0, 0, 0, 0, parentWindow, moduleInstance, L"StatusArea", nullptr, StaticBrush());
}

void StatusArea::OnPaint(HDC hdc) {
  Window::OnPaint(hdc);

  RECT area = {0, 0, 0, 0};
  GetClientRect(hwnd, &area);
  HRGN previousClip = CreateRectRgn(0, 0, 0, 0);
  const bool hadClip = GetClipRgn(hdc, previousClip) == 1;
  HRGN clip = CreateRectRgn(area.left + (framed ? 2 : 0), area.top + 2, area.right - 2,
                            area.bottom - 2);
  SelectClipRgn(hdc, clip);
  DeleteObject(clip);

  const std::wstring score = FormatScoreLine(rightCount, wrongCount, total);
  const StatusLineBoxes boxes = textBoxes(hdc);
  const LONG dy = (area.bottom - area.top - lineHeight) / 2;
  const COLORREF previousBackground = SetBkColor(hdc, StaticColor());
  RECT scoreRect = {area.left + boxes.scoreLeft, area.top + dy, area.right, area.bottom + dy};
  DrawTextW(hdc, score.c_str(), static_cast<int>(score.size()), &scoreRect, DT_LEFT);
  RECT labelRect = {area.left + boxes.labelLeft, area.top + dy, area.left + boxes.labelRight,
                    area.bottom + dy};
  DrawTextW(hdc, label.c_str(), static_cast<int>(label.size()), &labelRect,
            DT_RIGHT | DT_SINGLELINE | DT_END_ELLIPSIS | DT_NOPREFIX);
  SetBkColor(hdc, previousBackground);

  SelectClipRgn(hdc, hadClip ? previousClip : nullptr);
  DeleteObject(previousClip);
}

StatusLineBoxes StatusArea::textBoxes(HDC hdc) const {
  const std::wstring score = FormatScoreLine(rightCount, wrongCount, total);
  SIZE extent = {0, 0};
  GetTextExtentPoint32W(hdc, score.c_str(), static_cast<int>(score.size()), &extent);
  RECT area = {0, 0, 0, 0};
  GetClientRect(hwnd, &area);
  return statusLineBoxes(area.right - area.left, textIndent, extent.cx);
}

void StatusArea::setLabel(const wchar_t* text) { label = text ? text : L""; }

}  // namespace morvane
