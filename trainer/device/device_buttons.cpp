// Device-style painting of push buttons.
#include "device/device_buttons.h"

namespace morvane::device {

namespace {

const wchar_t kOriginalProc[] = L"MorvaneButtonProc";

void paintButton(HWND button, HDC hdc) {
  RECT r;
  GetClientRect(button, &r);
  const COLORREF previousText = GetTextColor(hdc);
  auto face = reinterpret_cast<HBRUSH>(SendMessageW(GetParent(button), WM_CTLCOLORBTN,
                                                    reinterpret_cast<WPARAM>(hdc),
                                                    reinterpret_cast<LPARAM>(button)));
  FillRect(hdc, &r, face != nullptr ? face : GetSysColorBrush(COLOR_BTNFACE));
  const bool pushed = (SendMessageW(button, BM_GETSTATE, 0, 0) & BST_PUSHED) != 0;
  DrawEdge(hdc, &r, pushed ? EDGE_SUNKEN : EDGE_RAISED, BF_RECT);
  wchar_t text[64] = L"";
  GetWindowTextW(button, text, 64);
  HGDIOBJ previousFont = SelectObject(hdc, reinterpret_cast<HFONT>(SendMessageW(button, WM_GETFONT, 0, 0)));
  if (!IsWindowEnabled(button)) SetTextColor(hdc, GetSysColor(COLOR_GRAYTEXT));
  const int previousMode = SetBkMode(hdc, TRANSPARENT);
  DrawTextW(hdc, text, -1, &r, DT_CENTER | DT_VCENTER | DT_SINGLELINE);
  SetBkMode(hdc, previousMode);
  if (previousFont != nullptr) SelectObject(hdc, previousFont);
  SetTextColor(hdc, previousText);
}

LRESULT CALLBACK buttonProc(HWND button, UINT message, WPARAM wParam, LPARAM lParam) {
  auto original = reinterpret_cast<WNDPROC>(GetPropW(button, kOriginalProc));
  switch (message) {
    case WM_PAINT: {
      PAINTSTRUCT ps;
      HDC hdc = BeginPaint(button, &ps);
      paintButton(button, hdc);
      EndPaint(button, &ps);
      return 0;
    }
    case WM_NCDESTROY:
      SetWindowLongPtrW(button, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(original));
      RemovePropW(button, kOriginalProc);
      break;
  }
  return CallWindowProcW(original, button, message, wParam, lParam);
}

}  // namespace

void paintLikeTheDevice(HWND button) {
  if (button == nullptr || GetPropW(button, kOriginalProc) != nullptr) return;
  SetPropW(button, kOriginalProc,
           reinterpret_cast<HANDLE>(GetWindowLongPtrW(button, GWLP_WNDPROC)));
  SetWindowLongPtrW(button, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(buttonProc));
}

}  // namespace morvane::device
