// Finding and driving the trainer's windows from another process.
#include "trainer_driver.h"

namespace morvane {

namespace {

struct ChildQuery {
  const wchar_t* className;
  const wchar_t* text;
  HWND found = nullptr;
};

BOOL CALLBACK matchChild(HWND child, LPARAM param) {
  auto query = reinterpret_cast<ChildQuery*>(param);
  wchar_t name[64] = L"";
  GetClassNameW(child, name, 64);
  if (_wcsicmp(name, query->className) != 0 || !IsWindowVisible(child)) return TRUE;
  if (query->text != nullptr) {
    wchar_t text[128] = L"";
    GetWindowTextW(child, text, 128);
    if (wcscmp(text, query->text) != 0) return TRUE;
  }
  query->found = child;
  return FALSE;
}

}  // namespace

HWND findTrainer(DWORD timeoutMs) {
  const DWORD start = GetTickCount();
  for (;;) {
    HWND frame = FindWindowW(L"Kelvaro", L"MorvaneCHS");
    if (frame != nullptr || GetTickCount() - start >= timeoutMs) return frame;
    Sleep(100);
  }
}

HWND findVisibleChild(HWND top, const wchar_t* className, const wchar_t* text) {
  ChildQuery query{className, text};
  EnumChildWindows(top, matchChild, reinterpret_cast<LPARAM>(&query));
  return query.found;
}

bool pressButton(HWND trainer, const wchar_t* text) {
  HWND button = findVisibleChild(trainer, L"Button", text);
  if (button == nullptr || !IsWindowEnabled(button)) return false;
  SendMessageW(GetParent(button), WM_COMMAND,
               MAKEWPARAM(GetDlgCtrlID(button), BN_CLICKED), reinterpret_cast<LPARAM>(button));
  return true;
}

std::wstring meaningText(HWND trainer) {
  HWND edit = findVisibleChild(trainer, L"Edit", nullptr);
  if (edit == nullptr) return L"";
  wchar_t text[1024] = L"";
  SendMessageW(edit, WM_GETTEXT, 1024, reinterpret_cast<LPARAM>(text));
  return text;
}

bool writeStroke(HWND trainer, int x0, int y0, int x1, int y1, int steps) {
  HWND area = findVisibleChild(trainer, L"DrawArea", nullptr);
  if (area == nullptr || steps < 1) return false;
  SendMessageW(area, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(x0, y0));
  for (int i = 1; i <= steps; ++i) {
    const int x = x0 + (x1 - x0) * i / steps, y = y0 + (y1 - y0) * i / steps;
    SendMessageW(area, WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(x, y));
  }
  SendMessageW(area, WM_LBUTTONUP, 0, MAKELPARAM(x1, y1));
  return true;
}

bool closeTrainer(HWND trainer, DWORD timeoutMs) {
  DWORD processId = 0;
  GetWindowThreadProcessId(trainer, &processId);
  HANDLE process = OpenProcess(SYNCHRONIZE, FALSE, processId);
  PostMessageW(trainer, WM_CLOSE, 0, 0);
  bool ended = true;
  if (process != nullptr) {
    ended = WaitForSingleObject(process, timeoutMs) == WAIT_OBJECT_0;
    CloseHandle(process);
  }
  return ended;
}

}  // namespace morvane
