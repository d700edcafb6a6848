// The device stand-ins under Wine: screen, storage, menu bar, caption OK.
#include <gtest/gtest.h>

#include <initializer_list>
#include <string>
#include <vector>

#include "device/caption_ok.h"
#include "device/device_screen.h"
#include "device/device_storage.h"
#include "device/menu_bar.h"
#include "platform/file.h"
#include "resources/resource.h"

namespace morvane::device {
namespace {

// A fresh folder that stands for the device root while a test runs.
class DeviceRoot {
 public:
  DeviceRoot() {
    wchar_t temp[MAX_PATH];
    GetTempPathW(MAX_PATH, temp);
    path = std::wstring(temp) + L"morvane-device-" + std::to_wstring(GetCurrentProcessId()) +
           L"-" + std::to_wstring(counter++);
    CreateDirectoryW(path.c_str(), nullptr);
    setDeviceRoot(path);
  }
  ~DeviceRoot() { removeTree(path); }
  void makeFolder(const std::wstring& devicePath) {
    CreateDirectoryW((path + devicePath).c_str(), nullptr);
  }
  std::wstring path;

 private:
  static void removeTree(const std::wstring& folder) {
    WIN32_FIND_DATAW found;
    HANDLE h = FindFirstFileW((folder + L"\\*").c_str(), &found);
    if (h != INVALID_HANDLE_VALUE) {
      do {
        std::wstring name = found.cFileName;
        if (name == L"." || name == L"..") continue;
        std::wstring full = folder + L"\\" + name;
        if (found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) {
          removeTree(full);
        } else {
          SetFileAttributesW(full.c_str(), FILE_ATTRIBUTE_NORMAL);
          DeleteFileW(full.c_str());
        }
      } while (FindNextFileW(h, &found));
      FindClose(h);
    }
    RemoveDirectoryW(folder.c_str());
  }
  static inline int counter = 0;
};

TEST(DeviceScreen, PortraitByDefaultLandscapeBySwitch) {
  setScreenOrientation(ScreenOrientation::Portrait);
  EXPECT_EQ(GetSystemMetrics(SM_CXSCREEN), 240);
  EXPECT_EQ(GetSystemMetrics(SM_CYSCREEN), 320);
  setScreenOrientation(ScreenOrientation::Landscape);
  EXPECT_EQ(GetSystemMetrics(SM_CXSCREEN), 320);
  EXPECT_EQ(GetSystemMetrics(SM_CYSCREEN), 240);
  EXPECT_EQ(GetSystemMetrics(SM_CXDLGFRAME), ::GetSystemMetrics(SM_CXDLGFRAME));
  setScreenOrientation(ScreenOrientation::Portrait);
}

RECT placeInParent(HWND window) {
  RECT r;
  GetWindowRect(window, &r);
  MapWindowPoints(nullptr, GetParent(window), reinterpret_cast<POINT*>(&r), 2);
  return r;
}

// The last size a window of class "SizeProbe" was told of.
SIZE reportedSize = {0, 0};

HWND createSizeProbe(int width, int height) {
  WNDCLASSW wc = {};
  wc.lpfnWndProc = [](HWND w, UINT m, WPARAM wp, LPARAM lp) -> LRESULT {
    if (m == WM_SIZE) reportedSize = {LOWORD(lp), HIWORD(lp)};
    return DefWindowProcW(w, m, wp, lp);
  };
  wc.lpszClassName = L"SizeProbe";
  RegisterClassW(&wc);
  reportedSize = {0, 0};
  return CreateWindowExW(0, L"SizeProbe", L"screen", WS_BORDER | WS_VISIBLE, 0, 20, width, height, nullptr,
                         nullptr, nullptr, nullptr);
}

TEST(DeviceScreen, APortraitFrameShowsThePartOfTheScreenBelowTheNavigationBar) {
  setScreenOrientation(ScreenOrientation::Portrait);
  HWND w = createSizeProbe(240, 320);
  ASSERT_NE(w, nullptr);
  RECT client;
  GetClientRect(w, &client);
  EXPECT_EQ(client.right, 240);
  EXPECT_EQ(client.bottom, 320 - 26);
  // Its size messages tell the size it asked for, as the handheld's do.
  EXPECT_EQ(reportedSize.cx, 240);
  EXPECT_EQ(reportedSize.cy, 320);
  LONG style = GetWindowLongW(w, GWL_STYLE);
  EXPECT_EQ(style & WS_CAPTION, WS_CAPTION);
  EXPECT_NE(style & WS_SYSMENU, 0);
  DestroyWindow(w);

  HWND shorter = createSizeProbe(200, 250);
  GetClientRect(shorter, &client);
  EXPECT_EQ(client.bottom, 250);
  EXPECT_EQ(reportedSize.cy, 250);
  DestroyWindow(shorter);
}

TEST(DeviceScreen, ALandscapeFrameShowsItsWholeArea) {
  setScreenOrientation(ScreenOrientation::Landscape);
  HWND w = createSizeProbe(320, 240);
  RECT client;
  GetClientRect(w, &client);
  EXPECT_EQ(client.right, 320);
  EXPECT_EQ(client.bottom, 240);
  EXPECT_EQ(reportedSize.cy, 240);
  DestroyWindow(w);
  setScreenOrientation(ScreenOrientation::Portrait);
}

TEST(DeviceScreen, PopupsArePlacedInTheDevicesScreenCoordinates) {
  HWND frame = createSizeProbe(240, 320);
  POINT origin = {0, 0};
  ClientToScreen(frame, &origin);
  HWND popup = ::CreateWindowExW(0, L"static", L"popup", WS_POPUP, 0, 0, 10, 10, frame, nullptr,
                                 nullptr, nullptr);
  // The screen's top left is the navigation bar's, 26 pixels above the frame.
  device::SetWindowPos(popup, HWND_TOP, 91, 48, 58, 58, 0);
  RECT r;
  GetWindowRect(popup, &r);
  EXPECT_EQ(r.left, origin.x + 91);
  EXPECT_EQ(r.top, origin.y + 48 - 26);
  EXPECT_EQ(r.right - r.left, 58);
  HWND child = ::CreateWindowExW(0, L"static", L"child", WS_CHILD, 0, 0, 10, 10, frame, nullptr,
                                 nullptr, nullptr);
  device::SetWindowPos(child, nullptr, 5, 6, 10, 10, SWP_NOZORDER);
  EXPECT_EQ(placeInParent(child).left, 5);
  EXPECT_EQ(placeInParent(child).top, 6);
  DestroyWindow(popup);
  DestroyWindow(frame);
}

TEST(DeviceScreen, ControlsGetTheHandheldsFontSize) {
  HWND parent = createSizeProbe(240, 320);
  for (const wchar_t* kind : {L"button", L"edit", L"static", L"listbox", L"combobox"}) {
    HWND control = device::CreateWindowExW(0, kind, L"x", WS_CHILD, 0, 0, 50, 20, parent, nullptr,
                                   nullptr, nullptr);
    EXPECT_EQ(reinterpret_cast<HFONT>(SendMessageW(control, WM_GETFONT, 0, 0)), controlFont())
        << kind;
  }
  LOGFONTW font = {};
  GetObjectW(controlFont(), sizeof font, &font);
  HDC screen = GetDC(nullptr);
  EXPECT_EQ(font.lfHeight, -MulDiv(8, GetDeviceCaps(screen, LOGPIXELSY), 72));
  ReleaseDC(nullptr, screen);
  DestroyWindow(parent);
}

TEST(DeviceStorage, DevicePathsOpenUnderTheRootWhateverTheCurrentFolder) {
  DeviceRoot root;
  root.makeFolder(L"\\Windows");
  ASSERT_TRUE(replaceFileContents(L"\\Windows\\probe.txt", "abc", 3, false));
  EXPECT_TRUE(pathExists(root.path + L"\\Windows\\probe.txt"));
  wchar_t previous[MAX_PATH];
  GetCurrentDirectoryW(MAX_PATH, previous);
  SetCurrentDirectoryW(L"C:\\");
  auto f = openFileForRead(L"\\Windows\\probe.txt");
  SetCurrentDirectoryW(previous);
  ASSERT_NE(f, nullptr);
  char got[4] = {};
  EXPECT_EQ(f->read(got, 3), 3u);
  EXPECT_STREQ(got, "abc");
}

TEST(DeviceStorage, PersonalFolderIsMyDocuments) {
  DeviceRoot root;
  wchar_t path[MAX_PATH] = L"";
  ASSERT_TRUE(SHGetSpecialFolderPath(nullptr, path, CSIDL_PERSONAL, TRUE));
  EXPECT_STREQ(path, L"\\My Documents");
  EXPECT_TRUE(pathExists(L"\\My Documents"));
  EXPECT_FALSE(SHGetSpecialFolderPath(nullptr, path, CSIDL_PROGRAM_FILES, FALSE));
}

std::vector<std::wstring> listCards() {
  std::vector<std::wstring> names;
  WIN32_FIND_DATAW found;
  HANDLE h = FindFirstFlashCard(&found);
  if (h == INVALID_HANDLE_VALUE) return names;
  do {
    names.push_back(found.cFileName);
  } while (FindNextFlashCard(h, &found));
  FindClose(h);
  return names;
}

TEST(DeviceStorage, CardsAreTheConfiguredFoldersThatExist) {
  DeviceRoot root;
  setStorageCards(L"");
  EXPECT_TRUE(listCards().empty());
  root.makeFolder(L"\\Storage Card");
  root.makeFolder(L"\\Windows");
  EXPECT_EQ(listCards(), std::vector<std::wstring>{L"Storage Card"});
  setStorageCards(L"SD Card;CF Card");
  root.makeFolder(L"\\CF Card");
  EXPECT_EQ(listCards(), std::vector<std::wstring>{L"CF Card"});
  setStorageCards(L"");
}

class MenuBarTest : public ::testing::Test {
 protected:
  void SetUp() override {
    frame = ::CreateWindowExW(0, L"static", L"frame", WS_OVERLAPPED, 0, 0, 240, 320, nullptr,
                              nullptr, nullptr, nullptr);
    info.cbSize = sizeof info;
    info.hwndParent = frame;
    info.nToolBarId = IDM_MENU;
    info.hInstRes = GetModuleHandleW(nullptr);
  }
  void TearDown() override { DestroyWindow(frame); }
  HWND frame = nullptr;
  SHMENUBARINFO info = {};
};

TEST_F(MenuBarTest, StripAtTheBottomWithFourDropDownButtons) {
  ASSERT_TRUE(SHCreateMenuBar(&info));
  ASSERT_NE(info.hwndMB, nullptr);
  EXPECT_EQ(CommandBar_Height(info.hwndMB), kMenuBarHeight);
  RECT client, bar;
  GetClientRect(frame, &client);
  GetWindowRect(info.hwndMB, &bar);
  MapWindowPoints(nullptr, frame, reinterpret_cast<POINT*>(&bar), 2);
  EXPECT_EQ(bar.bottom, client.bottom);
  const wchar_t* labels[] = {L"File", L"Edit", L"Options", L"Help"};
  const int commands[] = {201, 205, 203, 207};
  for (int i = 0; i < 4; ++i) {
    HWND button = GetDlgItem(info.hwndMB, commands[i]);
    ASSERT_NE(button, nullptr) << i;
    wchar_t text[32] = L"";
    GetWindowTextW(button, text, 32);
    EXPECT_STREQ(text, labels[i]);
  }
  EXPECT_EQ(CommandBar_Height(nullptr), 0);
}

TEST_F(MenuBarTest, MenuIsMenu101SoRestartCanBeGreyed) {
  ASSERT_TRUE(SHCreateMenuBar(&info));
  HMENU menu = CommandBar_GetMenu(info.hwndMB, 0);
  ASSERT_NE(menu, nullptr);
  EXPECT_EQ(GetMenuItemCount(menu), 4);
  EXPECT_EQ(GetMenuItemID(GetSubMenu(menu, 2), 0), static_cast<UINT>(IDM_RESTART));
  EXPECT_EQ(GetMenuItemID(GetSubMenu(menu, 0), 3), static_cast<UINT>(IDM_EXIT));
  EnableMenuItem(menu, IDM_RESTART, MF_GRAYED);
  EXPECT_EQ(GetMenuState(menu, IDM_RESTART, MF_BYCOMMAND) & MF_GRAYED, static_cast<UINT>(MF_GRAYED));
}

TEST_F(MenuBarTest, MissingResourceFails) {
  info.nToolBarId = 999;
  EXPECT_FALSE(SHCreateMenuBar(&info));
  EXPECT_EQ(info.hwndMB, nullptr);
}

// What the dialog procedure saw of the dialog's children.
struct ChildProbe {
  std::vector<int> ids;
  std::wstring lastText;
  RECT lastRect = {};
  int lowestOtherBottom = 0;
  LPARAM param = 0;
};
ChildProbe* probe = nullptr;

INT_PTR CALLBACK probingProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_INITDIALOG) {
    probe->param = lParam;
    PostMessageW(dialog, WM_APP, 0, 0);
    return TRUE;
  }
  if (message == WM_APP) {
    HWND last = nullptr;
    for (HWND c = GetWindow(dialog, GW_CHILD); c != nullptr; c = GetWindow(c, GW_HWNDNEXT)) {
      probe->ids.push_back(GetDlgCtrlID(c));
      RECT r;
      GetWindowRect(c, &r);
      if (GetDlgCtrlID(c) != IDOK && r.bottom > probe->lowestOtherBottom) {
        probe->lowestOtherBottom = r.bottom;
      }
      last = c;
    }
    wchar_t text[16] = L"";
    GetWindowTextW(last, text, 16);
    probe->lastText = text;
    GetWindowRect(last, &probe->lastRect);
    SendMessageW(last, BM_CLICK, 0, 0);
    return TRUE;
  }
  if (message == WM_COMMAND && LOWORD(wParam) == IDOK) {
    EndDialog(dialog, 7);
    return TRUE;
  }
  return FALSE;
}

TEST(CaptionOk, PreferencesGetAnOkButtonAfterTheirControls) {
  HINSTANCE instance = GetModuleHandleW(nullptr);
  HRSRC found = FindResourceW(instance, MAKEINTRESOURCEW(IDD_PREFERENCES), MAKEINTRESOURCEW(5));
  ASSERT_NE(found, nullptr);
  auto tpl = static_cast<const DLGTEMPLATE*>(LockResource(LoadResource(instance, found)));
  ChildProbe seen;
  probe = &seen;
  EXPECT_EQ(device::DialogBoxIndirectParamW(instance, tpl, nullptr, probingProc, 42), 7);
  std::vector<int> ids = {IDC_MODE_LIST,   IDC_MEANING_BOX,  IDC_READING_BOX,
                          IDC_HANZI_BOX,   IDC_TRACK_BOX,    IDC_STROKES_BOX,
                          IDC_FEEDBACK_BOX, IDC_CANVAS_BOX,  IDC_MODE_LABEL,
                          -1,              IDC_OTHER_LABEL,  IDOK};
  ASSERT_EQ(seen.ids.size(), ids.size());
  for (size_t i = 0; i < ids.size(); ++i) {
    EXPECT_EQ(static_cast<int16_t>(seen.ids[i]), ids[i]) << i;
  }
  EXPECT_EQ(seen.lastText, L"OK");
  EXPECT_GE(seen.lastRect.top, seen.lowestOtherBottom);
  EXPECT_EQ(seen.param, 42);
}

}  // namespace
}  // namespace morvane::device
