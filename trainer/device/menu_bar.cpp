// The menu bar strip: push buttons over the pop-ups of one menu.
#include "device/menu_bar.h"

#include "device/menu_bar_resource.h"

namespace morvane::device {

namespace {

const wchar_t kMenuBarClass[] = L"MorvaneMenuBar";

struct MenuBarState {
  HMENU menu = nullptr;
  HWND owner = nullptr;
  MenuBarResource resource;
};

MenuBarState* stateOf(HWND bar) {
  return reinterpret_cast<MenuBarState*>(GetWindowLongPtrW(bar, GWLP_USERDATA));
}

void openPopup(HWND bar, MenuBarState* state, UINT command) {
  for (const MenuBarButton& button : state->resource.buttons) {
    if (button.command != command) continue;
    HMENU popup = GetSubMenu(state->menu, button.popupIndex);
    HWND control = GetDlgItem(bar, static_cast<int>(command));
    RECT r;
    GetWindowRect(control, &r);
    if (popup != nullptr) {
      TrackPopupMenuEx(popup, TPM_LEFTALIGN | TPM_BOTTOMALIGN, r.left, r.top, state->owner,
                       nullptr);
    }
    return;
  }
}

LRESULT CALLBACK menuBarProc(HWND bar, UINT message, WPARAM wParam, LPARAM lParam) {
  MenuBarState* state = stateOf(bar);
  switch (message) {
    case WM_COMMAND:
      if (state != nullptr && HIWORD(wParam) == BN_CLICKED) {
        openPopup(bar, state, LOWORD(wParam));
      }
      return 0;
    case WM_NCDESTROY:
      if (state != nullptr) {
        DestroyMenu(state->menu);
        delete state;
        SetWindowLongPtrW(bar, GWLP_USERDATA, 0);
      }
      break;
  }
  return DefWindowProcW(bar, message, wParam, lParam);
}

bool loadResource(HINSTANCE instance, UINT id, MenuBarResource& out) {
  HRSRC found = FindResourceW(instance, MAKEINTRESOURCEW(id), MAKEINTRESOURCEW(10));  // RT_RCDATA
  if (found == nullptr) return false;
  HGLOBAL loaded = LoadResource(instance, found);
  const void* data = loaded != nullptr ? LockResource(loaded) : nullptr;
  return parseMenuBarResource(static_cast<const uint8_t*>(data), SizeofResource(instance, found),
                              out);
}

void registerClass(HINSTANCE instance) {
  WNDCLASSW wc = {};
  wc.lpfnWndProc = menuBarProc;
  wc.hInstance = instance;
  wc.hCursor = LoadCursorW(nullptr, MAKEINTRESOURCEW(32512));  // IDC_ARROW
  wc.hbrBackground = GetSysColorBrush(COLOR_BTNFACE);
  wc.lpszClassName = kMenuBarClass;
  RegisterClassW(&wc);  // a second registration fails harmlessly
}

void createButtons(HWND bar, HINSTANCE instance, const MenuBarResource& resource, int height) {
  int x = 0;
  for (const MenuBarButton& button : resource.buttons) {
    wchar_t label[64] = L"";
    LoadStringW(instance, button.labelId, label, 64);
    int width = 8 * (static_cast<int>(wcslen(label)) + 2);
    HWND control = ::CreateWindowExW(0, L"button", label, WS_CHILD | WS_VISIBLE | BS_PUSHBUTTON,
                                     x, 0, width, height, bar,
                                     reinterpret_cast<HMENU>(static_cast<UINT_PTR>(button.command)),
                                     instance, nullptr);
    SendMessageW(control, WM_SETFONT, reinterpret_cast<WPARAM>(GetStockObject(DEFAULT_GUI_FONT)),
                 FALSE);
    x += width;
  }
}

}  // namespace

BOOL SHCreateMenuBar(SHMENUBARINFO* info) {
  if (info == nullptr || info->hwndParent == nullptr) return FALSE;
  auto state = new MenuBarState;
  state->owner = info->hwndParent;
  if (!loadResource(info->hInstRes, info->nToolBarId, state->resource) ||
      (state->menu = LoadMenuW(info->hInstRes, MAKEINTRESOURCEW(state->resource.menuId))) ==
          nullptr) {
    delete state;
    return FALSE;
  }
  registerClass(info->hInstRes);
  RECT client;
  GetClientRect(info->hwndParent, &client);
  HWND bar = ::CreateWindowExW(0, kMenuBarClass, L"", WS_CHILD | WS_VISIBLE | WS_CLIPCHILDREN, 0,
                               client.bottom - kMenuBarHeight, client.right, kMenuBarHeight,
                               info->hwndParent, nullptr, info->hInstRes, nullptr);
  if (bar == nullptr) {
    DestroyMenu(state->menu);
    delete state;
    return FALSE;
  }
  SetWindowLongPtrW(bar, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(state));
  createButtons(bar, info->hInstRes, state->resource, kMenuBarHeight);
  info->hwndMB = bar;
  return TRUE;
}

HMENU CommandBar_GetMenu(HWND bar, int) {
  MenuBarState* state = bar != nullptr ? stateOf(bar) : nullptr;
  return state != nullptr ? state->menu : nullptr;
}

bool isMenuBar(HWND window) {
  wchar_t name[32] = L"";
  GetClassNameW(window, name, 32);
  return wcscmp(name, kMenuBarClass) == 0;
}

int CommandBar_Height(HWND bar) {
  RECT r;
  if (bar == nullptr || !GetWindowRect(bar, &r)) return 0;
  return r.bottom - r.top;
}

}  // namespace morvane::device
