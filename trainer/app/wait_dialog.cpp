// The "Wait" box: a template with no procedure of its own.
#include "app/wait_dialog.h"

#include "chooser/dialog_placement.h"

namespace morvane {

HWND showWaitDialog(HWND owner, HINSTANCE instance) {
  const DLGTEMPLATE* wait = loadDialogTemplate(instance, L"WAIT_DLG");
  if (!wait) return nullptr;
  HWND dialog = CreateDialogIndirectParamW(instance, wait, owner, nullptr, 0);
  // Reading runs without a message loop, so the box paints now or never.
  if (dialog) UpdateWindow(dialog);
  return dialog;
}

}  // namespace morvane
