// Dialog helpers shared by the trainer's dialogs: loading a template and
// centring a dialog over the window that owns it.
#pragma once

#include <windows.h>

namespace morvane {

// The dialog template `name` of the module, or none.
const DLGTEMPLATE* loadDialogTemplate(HINSTANCE instance, LPCWSTR name);

// Moves the dialog so that it is centred over its parent, keeping its size.
void centreOverParent(HWND dialog);

}  // namespace morvane
