// The "Wait" box shown while a lesson set is read.
#pragma once

#include <windows.h>

namespace morvane {

// Shows the modeless "WAIT_DLG" box over owner and paints it at once; the
// caller destroys it. None if it could not be created.
HWND showWaitDialog(HWND owner, HINSTANCE instance);

}  // namespace morvane
