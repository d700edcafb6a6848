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

void addOkButton(HWND dialog) {
  RECT units = {kMargin, kButtonHeight, kButtonWidth, kMargin};
  MapDialogRect(dialog, &units);
  int margin = units.left, height = units.top, width = units.right;
  RECT client, window;
  GetClientRect(dialog, &client);
  GetWindowRect(dialog, &window);
  SetWindowPos(dialog, nullptr, 0, 0, window.right - window.left,
               window.bottom - window.top + height + margin,
               SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
  HWND button = ::CreateWindowExW(0, L"button", L"OK",
                                  WS_CHILD | WS_VISIBLE | WS_TABSTOP | BS_DEFPUSHBUTTON,
                                  client.right - width - margin, client.bottom, width, height,
                                  dialog, reinterpret_cast<HMENU>(static_cast<UINT_PTR>(IDOK)),
                                  nullptr, nullptr);
  SendMessageW(button, WM_SETFONT, SendMessageW(dialog, WM_GETFONT, 0, 0), FALSE);
}

INT_PTR CALLBACK captionOkProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_INITDIALOG) {
    auto call = reinterpret_cast<DialogCall*>(lParam);
    SetPropW(dialog, kDialogProperty, call);
    INT_PTR result = call->procedure(dialog, message, wParam, call->param);
    addOkButton(dialog);
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
