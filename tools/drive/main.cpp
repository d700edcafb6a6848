// morvane-drive: drives a running MorvaneCHS (and other windows) from outside.
//   morvane-drive show-and-write     waits for the trainer, presses "Show" and
//                                    writes one stroke on the canvas
//   morvane-drive press TEXT         presses the trainer's button TEXT once enabled
//   morvane-drive stroke X,Y X,Y...  writes a stroke through these canvas points
//   morvane-drive tap [X,Y]          taps the Hanzi view (at its middle)
//   morvane-drive key-down           presses the navigation pad's down key
//   morvane-drive meaning            prints the trainer's meaning field (UTF-8)
//   morvane-drive command N          posts menu command N (40002: Multi-Open)
//   morvane-drive post TITLE N       posts command N to the window titled TITLE
//   morvane-drive set-text TITLE ID TEXT  puts TEXT into control ID of TITLE
//   morvane-drive text TITLE ID      prints the text of control ID of TITLE (UTF-8)
//   morvane-drive rect [TITLE]       prints "LEFT TOP WIDTH HEIGHT" of the trainer
//                                    (or of TITLE) on the screen
//   morvane-drive close              closes the trainer and waits for it to end
// Exit status 0 on success, 1 when a window or control is missing, 2 on a
// usage error.
#include <fcntl.h>
#include <io.h>
#include <windows.h>

#include <cstdio>
#include <cwchar>
#include <vector>

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

int showAndWrite(HWND trainer) {
  if (!pressWhenReady(trainer, L"Show")) return 1;
  HWND area = morvane::findVisibleChild(trainer, L"DrawArea", nullptr);
  RECT r;
  if (area == nullptr || !GetClientRect(area, &r)) return 1;
  const int y = r.bottom / 3, left = r.right / 4, right = r.right * 3 / 4;
  return morvane::writeStroke(trainer, left, y, right, y, 12) ? 0 : 1;
}

// "X,Y" arguments as points; false on one that is not.
bool parsePoints(int count, wchar_t** args, std::vector<POINT>& points) {
  for (int i = 0; i < count; ++i) {
    POINT p;
    wchar_t rest = 0;
    if (swscanf(args[i], L"%ld,%ld%lc", &p.x, &p.y, &rest) != 2) return false;
    points.push_back(p);
  }
  return !points.empty();
}

bool parseCommand(const wchar_t* text, WPARAM& command) {
  wchar_t* end = nullptr;
  const long value = wcstol(text, &end, 10);
  if (end == text || *end != 0 || value <= 0 || value >= 65536) return false;
  command = static_cast<WPARAM>(value);
  return true;
}

int printRect(HWND window) {
  RECT r;
  if (window == nullptr || !GetWindowRect(window, &r)) return 1;
  // One "\n", as the shell that reads the figures expects.
  _setmode(_fileno(stdout), _O_BINARY);
  wprintf(L"%ld %ld %ld %ld\n", r.left, r.top, r.right - r.left, r.bottom - r.top);
  return 0;
}

// A control's text (read with WM_GETTEXT, which reaches another process's
// controls) as one UTF-8 line.
int printText(HWND control) {
  wchar_t text[1024] = L"";
  SendMessageW(control, WM_GETTEXT, 1024, reinterpret_cast<LPARAM>(text));
  char utf8[4096] = "";
  WideCharToMultiByte(CP_UTF8, 0, text, -1, utf8, sizeof utf8, nullptr, nullptr);
  _setmode(_fileno(stdout), _O_BINARY);
  std::printf("%s\n", utf8);
  return 0;
}

// The verbs that need the trainer's frame.
int driveTrainer(int argc, wchar_t** argv, bool& known) {
  const wchar_t* verb = argv[1];
  known = true;
  if (wcscmp(verb, L"show-and-write") == 0 && argc == 2) {
    HWND trainer = morvane::findTrainer(kStartTimeoutMs);
    return trainer != nullptr ? showAndWrite(trainer) : 1;
  }
  if (wcscmp(verb, L"press") == 0 && argc == 3) {
    HWND trainer = morvane::findTrainer(kStartTimeoutMs);
    return trainer != nullptr && pressWhenReady(trainer, argv[2]) ? 0 : 1;
  }
  std::vector<POINT> points;
  if (wcscmp(verb, L"stroke") == 0 && parsePoints(argc - 2, argv + 2, points)) {
    HWND trainer = morvane::findTrainer(kStartTimeoutMs);
    return trainer != nullptr && morvane::writeStrokeThrough(trainer, points, 6) ? 0 : 1;
  }
  if (wcscmp(verb, L"tap") == 0 && (argc == 2 || (argc == 3 && parsePoints(1, argv + 2, points)))) {
    HWND trainer = morvane::findTrainer(kStartTimeoutMs);
    return trainer != nullptr && morvane::tapHanzi(trainer, points.empty() ? nullptr : &points[0])
               ? 0
               : 1;
  }
  if (wcscmp(verb, L"meaning") == 0 && argc == 2) {
    HWND trainer = morvane::findTrainer(kStartTimeoutMs);
    HWND edit = trainer != nullptr ? morvane::findVisibleChild(trainer, L"Edit", nullptr) : nullptr;
    return edit != nullptr ? printText(edit) : 1;
  }
  if (wcscmp(verb, L"key-down") == 0 && argc == 2) {
    HWND trainer = morvane::findTrainer(kStartTimeoutMs);
    return trainer != nullptr && PostMessageW(trainer, WM_KEYDOWN, VK_DOWN, 0) ? 0 : 1;
  }
  WPARAM command = 0;
  if (wcscmp(verb, L"command") == 0 && argc == 3 && parseCommand(argv[2], command)) {
    HWND trainer = morvane::findTrainer(kStartTimeoutMs);
    return trainer != nullptr && PostMessageW(trainer, WM_COMMAND, command, 0) ? 0 : 1;
  }
  if (wcscmp(verb, L"close") == 0 && argc == 2) {
    HWND trainer = morvane::findTrainer(kStartTimeoutMs);
    return trainer != nullptr && morvane::closeTrainer(trainer, kStartTimeoutMs) ? 0 : 1;
  }
  if (wcscmp(verb, L"rect") == 0 && argc == 2) {
    return printRect(morvane::findTrainer(kStartTimeoutMs));
  }
  known = false;
  return 2;
}

// The verbs that name their window by its title.
int driveTitled(int argc, wchar_t** argv, bool& known) {
  const wchar_t* verb = argv[1];
  known = true;
  WPARAM command = 0;
  if (wcscmp(verb, L"post") == 0 && argc == 4 && parseCommand(argv[3], command)) {
    HWND window = morvane::findTopWindow(argv[2], kStartTimeoutMs);
    return window != nullptr && PostMessageW(window, WM_COMMAND, command, 0) ? 0 : 1;
  }
  WPARAM id = 0;
  if (wcscmp(verb, L"set-text") == 0 && argc == 5 && parseCommand(argv[3], id)) {
    HWND window = morvane::findTopWindow(argv[2], kStartTimeoutMs);
    HWND control = window != nullptr ? GetDlgItem(window, static_cast<int>(id)) : nullptr;
    return control != nullptr &&
                   SendMessageW(control, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(argv[4]))
               ? 0
               : 1;
  }
  if (wcscmp(verb, L"text") == 0 && argc == 4 && parseCommand(argv[3], id)) {
    HWND window = morvane::findTopWindow(argv[2], kStartTimeoutMs);
    HWND control = window != nullptr ? GetDlgItem(window, static_cast<int>(id)) : nullptr;
    return control != nullptr ? printText(control) : 1;
  }
  if (wcscmp(verb, L"rect") == 0 && argc == 3) {
    return printRect(morvane::findTopWindow(argv[2], kStartTimeoutMs));
  }
  known = false;
  return 2;
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
  bool known = false;
  if (argc >= 2) {
    const int status = driveTrainer(argc, argv, known);
    if (known) return status;
    const int titled = driveTitled(argc, argv, known);
    if (known) return titled;
  }
  fwprintf(stderr,
           L"usage: morvane-drive show-and-write | press TEXT | stroke X,Y X,Y... | tap [X,Y] |\n"
           L"       key-down | meaning | command N | post TITLE N | set-text TITLE ID TEXT |\n"
           L"       text TITLE ID | rect [TITLE] | close\n");
  return 2;
}
