// Screen checks on live windows.
#include "screen_check.h"

#include <algorithm>
#include <cwchar>

namespace screencheck {

namespace {

// A push button's face lies inside a 2-pixel edge on each side.
constexpr int kButtonEdges = 4;
// A check box or radio button's box, and the room it and the gap before its
// text take.
constexpr int kCheckBox = 13;
constexpr int kCheckRoom = kCheckBox + 4;
// A group box's text starts this far in and ends as far before the corner.
constexpr int kGroupRoom = 16;

std::wstring className(HWND window) {
  wchar_t name[64] = L"";
  GetClassNameW(window, name, 64);
  return name;
}

std::wstring windowText(HWND window) {
  const int length = GetWindowTextLengthW(window);
  std::wstring text(static_cast<size_t>(length) + 1, L'\0');
  GetWindowTextW(window, text.data(), length + 1);
  text.resize(static_cast<size_t>(length));
  return text;
}

std::vector<HWND> visibleChildren(HWND window) {
  std::vector<HWND> children;
  for (HWND child = GetWindow(window, GW_CHILD); child != nullptr;
       child = GetWindow(child, GW_HWNDNEXT)) {
    if (IsWindowVisible(child)) children.push_back(child);
  }
  return children;
}

bool isGroupBox(HWND window) {
  return _wcsicmp(className(window).c_str(), L"Button") == 0 &&
         (GetWindowLongW(window, GWL_STYLE) & BS_TYPEMASK) == BS_GROUPBOX;
}

// The text's extent in the window's font; wrapped to `wrapWidth` when it
// is not zero.
RECT textExtent(HWND window, const std::wstring& text, int wrapWidth, UINT extraFormat) {
  HDC dc = GetDC(window);
  auto font = reinterpret_cast<HFONT>(SendMessageW(window, WM_GETFONT, 0, 0));
  HGDIOBJ previous = SelectObject(dc, font != nullptr ? font : GetStockObject(SYSTEM_FONT));
  RECT r = {0, 0, wrapWidth, 0};
  DrawTextW(dc, text.c_str(), static_cast<int>(text.size()), &r,
            DT_CALCRECT | extraFormat | (wrapWidth > 0 ? DT_WORDBREAK : DT_SINGLELINE));
  SelectObject(dc, previous);
  ReleaseDC(window, dc);
  return r;
}

struct TextRoom {
  bool checked = false;  // false: the control's text is not ours to measure
  bool wraps = false;
  int width = 0;
  UINT format = 0;
};

TextRoom roomFor(HWND window, const RECT& client) {
  const std::wstring kind = className(window);
  const LONG style = GetWindowLongW(window, GWL_STYLE);
  TextRoom room;
  const int width = client.right - client.left;
  if (_wcsicmp(kind.c_str(), L"Button") == 0) {
    const LONG type = style & BS_TYPEMASK;
    if (type == BS_OWNERDRAW) return room;
    room.checked = true;
    room.wraps = (style & BS_MULTILINE) != 0;
    switch (type) {
      case BS_CHECKBOX:
      case BS_AUTOCHECKBOX:
      case BS_RADIOBUTTON:
      case BS_AUTORADIOBUTTON:
      case BS_3STATE:
      case BS_AUTO3STATE:
        room.width = width - kCheckRoom;
        break;
      case BS_GROUPBOX:
        room.width = width - kGroupRoom;
        room.wraps = false;
        break;
      default:
        room.width = width - kButtonEdges;
    }
  } else if (_wcsicmp(kind.c_str(), L"Static") == 0) {
    const LONG type = style & SS_TYPEMASK;
    if (type == SS_LEFT || type == SS_CENTER || type == SS_RIGHT) {
      room.checked = true;
      room.wraps = true;
    } else if (type == SS_LEFTNOWORDWRAP || type == SS_SIMPLE) {
      room.checked = true;
    }
    room.width = width;
    if (style & SS_NOPREFIX) room.format = DT_NOPREFIX;
  }
  return room;
}

void checkText(HWND window, std::vector<std::wstring>& faults) {
  const std::wstring text = windowText(window);
  if (text.empty()) return;
  RECT client;
  GetClientRect(window, &client);
  const TextRoom room = roomFor(window, client);
  if (!room.checked) return;
  const RECT needed =
      textExtent(window, text, room.wraps ? (room.width > 0 ? room.width : 1) : 0, room.format);
  const int height = client.bottom - client.top;
  if (needed.right > room.width || needed.bottom > height) {
    faults.push_back(describe(window) + L" needs " + std::to_wstring(needed.right) + L" x " +
                     std::to_wstring(needed.bottom) + L" pixels, has " +
                     std::to_wstring(room.width) + L" x " + std::to_wstring(height));
  }
}

// The part of a control that shows something. Check boxes, radio buttons
// and static texts paint only their text (and box) on the dialog's own
// background, so rows of them may share a pixel or two of their rectangles
// without anything on screen touching.
RECT ink(HWND window, const RECT& own) {
  const std::wstring kind = className(window);
  const LONG style = GetWindowLongW(window, GWL_STYLE);
  const std::wstring text = windowText(window);
  const int lineHeight = textExtent(window, text.empty() ? L"X" : text, 0, 0).bottom;
  RECT r = own;
  if (_wcsicmp(kind.c_str(), L"Button") == 0) {
    const LONG type = style & BS_TYPEMASK;
    const bool box = type == BS_CHECKBOX || type == BS_AUTOCHECKBOX || type == BS_RADIOBUTTON ||
                     type == BS_AUTORADIOBUTTON || type == BS_3STATE || type == BS_AUTO3STATE;
    if (box && !(style & BS_MULTILINE)) {
      const int shown = std::max(lineHeight, kCheckBox);
      r.top = own.top + (own.bottom - own.top - shown) / 2;
      r.bottom = std::min<LONG>(own.bottom, r.top + shown);
    }
  } else if (_wcsicmp(kind.c_str(), L"Static") == 0 && (style & SS_TYPEMASK) <= SS_RIGHT &&
             !text.empty()) {
    RECT client;
    GetClientRect(window, &client);
    const RECT needed = textExtent(window, text, std::max<LONG>(client.right, 1), 0);
    r.bottom = std::min<LONG>(own.bottom, own.top + needed.bottom);
  }
  return r;
}

RECT occupied(HWND window) {
  const std::vector<HWND> children = visibleChildren(window);
  RECT own;
  GetWindowRect(window, &own);
  if (children.empty()) return ink(window, own);
  RECT all = {0, 0, 0, 0};
  for (HWND child : children) {
    RECT part = occupied(child);
    IntersectRect(&part, &part, &own);
    UnionRect(&all, &all, &part);
  }
  return all;
}

void checkSiblings(HWND parent, std::vector<std::wstring>& faults) {
  const std::vector<HWND> children = visibleChildren(parent);
  for (size_t i = 0; i < children.size(); ++i) {
    for (size_t j = i + 1; j < children.size(); ++j) {
      if (isGroupBox(children[i]) || isGroupBox(children[j])) continue;
      RECT a = occupied(children[i]), b = occupied(children[j]), both;
      if (IntersectRect(&both, &a, &b)) {
        faults.push_back(describe(children[i]) + L" and " + describe(children[j]) + L" overlap");
      }
    }
  }
}

void checkTree(HWND window, std::vector<std::wstring>& faults) {
  checkSiblings(window, faults);
  for (HWND child : visibleChildren(window)) {
    checkText(child, faults);
    checkTree(child, faults);
  }
}

}  // namespace

std::wstring describe(HWND window) {
  return className(window) + L" \"" + windowText(window) + L"\"";
}

int textWidth(HWND window, const std::wstring& text) {
  return textExtent(window, text, 0, 0).right;
}

std::vector<std::wstring> layoutFaults(HWND top) {
  std::vector<std::wstring> faults;
  checkTree(top, faults);
  return faults;
}

std::vector<std::wstring> offScreenFaults(HWND window) {
  MONITORINFO monitor = {};
  monitor.cbSize = sizeof monitor;
  GetMonitorInfoW(MonitorFromWindow(window, MONITOR_DEFAULTTONEAREST), &monitor);
  RECT r, inside;
  GetWindowRect(window, &r);
  IntersectRect(&inside, &r, &monitor.rcWork);
  if (EqualRect(&inside, &r)) return {};
  return {describe(window) + L" lies partly off the screen (" + std::to_wstring(r.left) + L", " +
          std::to_wstring(r.top) + L", " + std::to_wstring(r.right) + L", " +
          std::to_wstring(r.bottom) + L")"};
}

std::vector<std::wstring> screenFaults(HWND top) {
  std::vector<std::wstring> faults = layoutFaults(top);
  for (std::wstring& fault : offScreenFaults(top)) faults.push_back(std::move(fault));
  return faults;
}

}  // namespace screencheck
