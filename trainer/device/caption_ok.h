// Dialogs with the handheld's OK button in the title bar. A desktop has no
// such button, so a dialog whose template carries WS_EX_CAPTIONOKBTN gets a
// push button "OK" (IDOK) below its own controls, made after them so that
// the dialog's children keep their order. The dialog grows about its
// centre and is kept wholly on the screen.
#pragma once

#include <windows.h>

#include "device/device_styles.h"

namespace morvane::device {

// Runs the dialog modally as the platform's call does, adding the OK button
// when the template asks for one.
INT_PTR DialogBoxIndirectParamW(HINSTANCE instance, const DLGTEMPLATE* dialogTemplate,
                                HWND owner, DLGPROC procedure, LPARAM param);

}  // namespace morvane::device
