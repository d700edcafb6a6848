// The window procedure of every framework window class: finds the object for
// the handle and calls its handler for the message.
#pragma once

#include <windows.h>

namespace morvane {

// WM_CREATE and WM_SHOWWINDOW go to the window being created; the other
// handled messages to the handle's object, and are dropped (result 0) when
// there is none. WM_CTLCOLORBTN falls back to DefWindowProcW when the handler
// gives no brush; unhandled messages go to DefWindowProcW. WM_NCDESTROY takes
// the window out of the table.
LRESULT CALLBACK SharedWndProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);

}  // namespace morvane
