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
  const LONG dy = (area.bottom - area.top - lineHeight) / 2;
  const COLORREF previousBackground = SetBkColor(hdc, StaticColor());
  RECT scoreRect = {area.left + textIndent, area.top + dy, area.right, area.bottom + dy};
  DrawTextW(hdc, score.c_str(), static_cast<int>(score.size()), &scoreRect, DT_LEFT);
  RECT labelRect = {area.left, area.top + dy, area.right - textIndent, area.bottom + dy};
  DrawTextW(hdc, label.c_str(), static_cast<int>(label.size()), &labelRect, DT_RIGHT);
  SetBkColor(hdc, previousBackground);

  SelectClipRgn(hdc, hadClip ? previousClip : nullptr);
  DeleteObject(previousClip);
}

void StatusArea::setLabel(const wchar_t* text) { label = text ? text : L""; }

}  // namespace morvane
