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
  return writeStrokeThrough(trainer, {{x0, y0}, {x1, y1}}, steps);
}

bool writeStrokeThrough(HWND trainer, const std::vector<POINT>& points, int steps) {
  HWND area = findVisibleChild(trainer, L"DrawArea", nullptr);
  if (area == nullptr || points.empty() || steps < 1) return false;
  SendMessageW(area, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(points[0].x, points[0].y));
  for (size_t p = 1; p < points.size(); ++p) {
    const POINT from = points[p - 1], to = points[p];
    for (int i = 1; i <= steps; ++i) {
      const int x = from.x + (to.x - from.x) * i / steps, y = from.y + (to.y - from.y) * i / steps;
      SendMessageW(area, WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(x, y));
    }
  }
  SendMessageW(area, WM_LBUTTONUP, 0, MAKELPARAM(points.back().x, points.back().y));
  return true;
}

namespace {

struct TallestView {
  HWND found = nullptr;
  LONG height = 0;
};

BOOL CALLBACK matchTallestView(HWND child, LPARAM param) {
  auto* query = reinterpret_cast<TallestView*>(param);
  wchar_t name[64] = L"";
  GetClassNameW(child, name, 64);
  RECT r;
  if (wcscmp(name, L"JpnDisplay") != 0 || !IsWindowVisible(child) || !GetClientRect(child, &r)) {
    return TRUE;
  }
  if (r.bottom > query->height) *query = {child, r.bottom};
  return TRUE;
}

}  // namespace

bool tapHanzi(HWND trainer, const POINT* at) {
  TallestView query;
  EnumChildWindows(trainer, matchTallestView, reinterpret_cast<LPARAM>(&query));
  RECT r;
  if (query.found == nullptr || !GetClientRect(query.found, &r)) return false;
  const LPARAM point = at != nullptr ? MAKELPARAM(at->x, at->y) : MAKELPARAM(r.right / 2, r.bottom / 2);
  PostMessageW(query.found, WM_LBUTTONDOWN, MK_LBUTTON, point);
  PostMessageW(query.found, WM_LBUTTONUP, 0, point);
  return true;
}

HWND findTopWindow(const wchar_t* title, DWORD timeoutMs) {
  const DWORD start = GetTickCount();
  for (;;) {
    HWND window = FindWindowW(nullptr, title);
    if (window != nullptr && IsWindowVisible(window)) return window;
    if (GetTickCount() - start >= timeoutMs) return nullptr;
    Sleep(100);
  }
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
