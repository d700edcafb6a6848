// morvane-drive: drives a running MorvaneCHS from outside.
//   morvane-drive show-and-write   waits for the trainer, presses "Show" and
//                                  writes one stroke on the canvas
//   morvane-drive close            closes the trainer and waits for it to end
//   morvane-drive command N        posts menu command N (40002: Multi-Open)
// Exit status 0 on success, 1 when the trainer or its controls are missing.
#include <windows.h>

#include <cwchar>

#include "trainer_driver.h"

namespace {

constexpr DWORD kStartTimeoutMs = 60000;

// Presses the button once it is there and enabled (the trainer may still be
// opening its lesson).
bool pressWhenReady(HWND trainer, const wchar_t* text) {
  const DWORD start = GetTickCount();
  while (!morvane::pressButton(trainer, text)) {
    if (GetTickCount() - start >= kStartTimeoutMs) return false;
    Sleep(100);
  }
  return true;
}

int showAndWrite() {
  HWND trainer = morvane::findTrainer(kStartTimeoutMs);
  if (trainer == nullptr || !pressWhenReady(trainer, L"Show")) return 1;
  HWND area = morvane::findVisibleChild(trainer, L"DrawArea", nullptr);
  RECT r;
  if (area == nullptr || !GetClientRect(area, &r)) return 1;
  const int y = r.bottom / 3, left = r.right / 4, right = r.right * 3 / 4;
  return morvane::writeStroke(trainer, left, y, right, y, 12) ? 0 : 1;
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
  if (argc == 2 && wcscmp(argv[1], L"show-and-write") == 0) return showAndWrite();
  if (argc == 2 && wcscmp(argv[1], L"close") == 0) {
    HWND trainer = morvane::findTrainer(kStartTimeoutMs);
    return trainer != nullptr && morvane::closeTrainer(trainer, kStartTimeoutMs) ? 0 : 1;
  }
  if (argc == 3 && wcscmp(argv[1], L"command") == 0) {
    HWND trainer = morvane::findTrainer(kStartTimeoutMs);
    const long command = wcstol(argv[2], nullptr, 10);
    return trainer != nullptr && command > 0 && command < 65536 &&
                   PostMessageW(trainer, WM_COMMAND, static_cast<WPARAM>(command), 0)
               ? 0
               : 1;
  }
  fwprintf(stderr, L"usage: morvane-drive show-and-write | close | command N\n");
  return 2;
}
