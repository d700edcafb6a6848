// Dialog templates and centring.
#include "chooser/dialog_placement.h"

#include "chooser/chooser_layout.h"

namespace morvane {

const DLGTEMPLATE* loadDialogTemplate(HINSTANCE instance, LPCWSTR name) {
  HRSRC found = FindResourceW(instance, name, RT_DIALOG);
  HGLOBAL loaded = found ? LoadResource(instance, found) : nullptr;
  return loaded ? static_cast<const DLGTEMPLATE*>(LockResource(loaded)) : nullptr;
}

void centreOverParent(HWND dialog) {
  RECT own;
  RECT parent;
  GetWindowRect(dialog, &own);
  HWND owner = GetParent(dialog);
  if (!owner || !GetWindowRect(owner, &parent)) return;
  const LayoutBox centred =
      centredOver({parent.left, parent.top, parent.right - parent.left, parent.bottom - parent.top},
                  own.right - own.left, own.bottom - own.top);
  MoveWindow(dialog, centred.x, centred.y, centred.width, centred.height, FALSE);
}

}  // namespace morvane
