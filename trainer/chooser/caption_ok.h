// The handheld shows OK in a dialog's caption (WS_EX_CAPTIONOKBTN); a desktop
// caption has none, so such dialogs get an OK button of their own.
#pragma once

#include <windows.h>

namespace morvane {

// Adds an OK button (IDOK) after the dialog's other controls, in a row of its
// own below them: the dialog grows by that row and nothing else moves.
HWND addCaptionOkButton(HWND dialog);

}  // namespace morvane
