// The desktop's stand-in for the caption OK button.
#include "chooser/caption_ok.h"

namespace morvane {

HWND addCaptionOkButton(HWND dialog) {
  RECT units = {0, 0, 40, 14};  // a standard push button, in dialog units
  MapDialogRect(dialog, &units);
  const int margin = units.bottom / 4;
  const int row = units.bottom + 2 * margin;

  RECT window;
  GetWindowRect(dialog, &window);
  RECT client;
  GetClientRect(dialog, &client);
  SetWindowPos(dialog, nullptr, 0, 0, window.right - window.left,
               window.bottom - window.top + row, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);

  HWND button = CreateWindowExW(
      0, L"button", L"OK", WS_CHILD | WS_VISIBLE | WS_TABSTOP | BS_DEFPUSHBUTTON,
      client.right - units.right - margin, client.bottom + margin, units.right, units.bottom,
      dialog, reinterpret_cast<HMENU>(static_cast<INT_PTR>(IDOK)), nullptr, nullptr);
  SendMessageW(button, WM_SETFONT, SendMessageW(dialog, WM_GETFONT, 0, 0), FALSE);
  return button;
}

}  // namespace morvane
