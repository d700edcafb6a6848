// The About box: centred over its owner, ended by OK.
#include "app/about_box.h"

#include "chooser/dialog_placement.h"
#include "resources/resource.h"

namespace morvane {

namespace {

INT_PTR CALLBACK aboutProc(HWND dialog, UINT message, WPARAM wParam, LPARAM) {
  switch (message) {
    case WM_INITDIALOG:
      centreOverParent(dialog);
      return TRUE;
    case WM_COMMAND:
      // A desktop caption also has a close box, which sends IDCANCEL.
      if (LOWORD(wParam) == IDOK || LOWORD(wParam) == IDCANCEL) {
        EndDialog(dialog, 1);
        return TRUE;
      }
      return FALSE;
  }
  return FALSE;
}

}  // namespace

void runAboutBox(HWND owner, HINSTANCE instance) {
  const DLGTEMPLATE* about = loadDialogTemplate(instance, MAKEINTRESOURCEW(IDD_ABOUT));
  if (about) DialogBoxIndirectParamW(instance, about, owner, aboutProc, 0);
}

}  // namespace morvane
