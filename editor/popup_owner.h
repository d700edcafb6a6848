// The window that the editor's questions and file dialogs belong to.
#pragma once

#include <windows.h>

namespace quillmark {

// The active window of this thread or, while another program is in front (a
// close from the taskbar, a test driving the editor), this thread's visible
// enabled top-level window, so that the popup stays modal to the editor.
HWND popupOwner();

}  // namespace quillmark
