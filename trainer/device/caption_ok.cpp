// The stand-in for the title bar's OK button of the handheld's dialogs.
#include "device/caption_ok.h"

namespace morvane::device {

namespace {

const wchar_t kDialogProperty[] = L"MorvaneCaptionOk";

// Height and width of the added button and the margin around it, in dialog units.
constexpr int kButtonHeight = 14;
constexpr int kButtonWidth = 40;
constexpr int kMargin = 4;

struct DialogCall {
  DLGPROC procedure;
  LPARAM param;
};

bool wantsCaptionOk(const DLGTEMPLATE* dialogTemplate) {
  const WORD* words = reinterpret_cast<const WORD*>(dialogTemplate);
  DWORD exStyle;
  if (words[1] == 0xFFFF) {  // DLGTEMPLATEEX: version, signature, help id, extended style
    exStyle = words[4] | (static_cast<DWORD>(words[5]) << 16);
  } else {
    exStyle = dialogTemplate->dwExtendedStyle;
  }
  return (exStyle & WS_EX_CAPTIONOKBTN) != 0;
}

// The dialog grows by the button's row about its centre, so that it stays
// where its own procedure placed it.
void addOkButton(HWND dialog) {
  RECT units = {kMargin, kButtonHeight, kButtonWidth, kMargin};
  MapDialogRect(dialog, &units);
  int margin = units.left, height = units.top, width = units.right;
  RECT client, window;
  GetClientRect(dialog, &client);
  GetWindowRect(dialog, &window);
  const int growth = height + margin;
  SetWindowPos(dialog, nullptr, window.left, window.top - growth / 2, window.right - window.left,
               window.bottom - window.top + growth, SWP_NOZORDER | SWP_NOACTIVATE);
  HWND button = ::CreateWindowExW(0, L"button", L"OK",
                                  WS_CHILD | WS_VISIBLE | WS_TABSTOP | BS_DEFPUSHBUTTON,
                                  client.right - width - margin, client.bottom, width, height,
                                  dialog, reinterpret_cast<HMENU>(static_cast<UINT_PTR>(IDOK)),
                                  nullptr, nullptr);
  SendMessageW(button, WM_SETFONT, SendMessageW(dialog, WM_GETFONT, 0, 0), FALSE);
}

// A dialog centred over a window near the desktop's edge, or wider than
// it, is moved back onto the screen, its top left corner first.
void keepOnScreen(HWND dialog) {
  RECT window;
  GetWindowRect(dialog, &window);
  MONITORINFO monitor = {};
  monitor.cbSize = sizeof monitor;
  if (!GetMonitorInfoW(MonitorFromWindow(dialog, MONITOR_DEFAULTTONEAREST), &monitor)) return;
  const RECT& work = monitor.rcWork;
  LONG x = window.left, y = window.top;
  if (window.right > work.right) x -= window.right - work.right;
  if (window.bottom > work.bottom) y -= window.bottom - work.bottom;
  if (x < work.left) x = work.left;
  if (y < work.top) y = work.top;
  if (x != window.left || y != window.top) {
    SetWindowPos(dialog, nullptr, x, y, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
  }
}

INT_PTR CALLBACK captionOkProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_INITDIALOG) {
    auto call = reinterpret_cast<DialogCall*>(lParam);
    SetPropW(dialog, kDialogProperty, call);
    INT_PTR result = call->procedure(dialog, message, wParam, call->param);
    addOkButton(dialog);
    keepOnScreen(dialog);
    return result;
  }
  auto call = static_cast<DialogCall*>(GetPropW(dialog, kDialogProperty));
  if (call == nullptr) return FALSE;
  if (message == WM_NCDESTROY) RemovePropW(dialog, kDialogProperty);
  return call->procedure(dialog, message, wParam, lParam);
}

}  // namespace

INT_PTR DialogBoxIndirectParamW(HINSTANCE instance, const DLGTEMPLATE* dialogTemplate,
                                HWND owner, DLGPROC procedure, LPARAM param) {
  if (dialogTemplate == nullptr) return -1;
  if (!wantsCaptionOk(dialogTemplate)) {
    return ::DialogBoxIndirectParamW(instance, dialogTemplate, owner, procedure, param);
  }
  DialogCall call = {procedure, param};
  return ::DialogBoxIndirectParamW(instance, dialogTemplate, owner, captionOkProc,
                                   reinterpret_cast<LPARAM>(&call));
}

}  // namespace morvane::device
