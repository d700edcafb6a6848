// Finding the owner of the editor's popups.
#include "popup_owner.h"

namespace quillmark {

namespace {

BOOL CALLBACK takeFirstUsable(HWND window, LPARAM found) {
  if (!IsWindowVisible(window) || !IsWindowEnabled(window)) return TRUE;
  *reinterpret_cast<HWND*>(found) = window;
  return FALSE;
}

}  // namespace

HWND popupOwner() {
  if (HWND active = GetActiveWindow()) return active;
  HWND found = nullptr;
  EnumThreadWindows(GetCurrentThreadId(), takeFirstUsable, reinterpret_cast<LPARAM>(&found));
  return found;
}

}  // namespace quillmark
