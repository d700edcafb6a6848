// The window framework with real windows and messages: creation, dispatch of
// every handled message, the window table and the window being created.
#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "gdi_probe.h"
#include "ui/shared_wnd_proc.h"
#include "ui/window.h"
#include "ui/window_table.h"

namespace morvane {
namespace {

const wchar_t kRecordingClass[] = L"RecordingWindow";

// Logs every virtual operation the shared window procedure calls.
class RecordingWindow : public Window {
 public:
  explicit RecordingWindow(HWND parentWindow, int x = 0, int y = 0, int width = 50,
                           int height = 40) {
    Create(x, y, width, height, parentWindow, GetModuleHandleW(nullptr), kRecordingClass);
  }

  void OnCreate(HWND newWindow) override {
    createdWith = newWindow;
    Log("create");
  }
  void OnShow() override { Log("show"); }
  void OnHide() override { Log("hide"); }
  void OnPaint(HDC) override { Log("paint"); }
  void OnSize(uint16_t a, uint16_t b, uint16_t c, uint16_t d) override {
    Window::OnSize(a, b, c, d);
    Log("size " + Numbers(a, b, c, d));
  }
  void OnKeyDown(WPARAM w, LPARAM l) override { Log("keydown " + Numbers(w, l)); }
  void OnKeyUp(WPARAM w, LPARAM l) override { Log("keyup " + Numbers(w, l)); }
  void OnLButtonDown(WPARAM k, uint16_t x, uint16_t y) override { Log("down " + Numbers(k, x, y)); }
  void OnLButtonUp(WPARAM k, uint16_t x, uint16_t y) override { Log("up " + Numbers(k, x, y)); }
  void OnMouseMove(WPARAM k, uint16_t x, uint16_t y) override { Log("move " + Numbers(k, x, y)); }
  void OnCommand(WPARAM w, LPARAM l) override { Log("command " + Numbers(w, l)); }
  void OnHelp() override { Log("help"); }
  HBRUSH OnCtlColorButton(WPARAM w, LPARAM l) override {
    Log("ctlcolor " + Numbers(w, l));
    return buttonBrush;
  }

  std::vector<std::string> log;
  HWND createdWith = nullptr;
  HBRUSH buttonBrush = nullptr;

 private:
  void Log(const std::string& entry) { log.push_back(entry); }
  template <typename... Values>
  static std::string Numbers(Values... values) {
    std::string text;
    ((text += (text.empty() ? "" : " ") + std::to_string(static_cast<long long>(values))), ...);
    return text;
  }
};

std::wstring WindowText(HWND hwnd) {
  wchar_t text[64] = {};
  GetWindowTextW(hwnd, text, 64);
  return text;
}

void ExpectRect(const RECT& r, LONG left, LONG top, LONG right, LONG bottom) {
  EXPECT_EQ(r.left, left);
  EXPECT_EQ(r.top, top);
  EXPECT_EQ(r.right, right);
  EXPECT_EQ(r.bottom, bottom);
}

// Position of a child relative to its parent's client area.
RECT ChildRect(HWND child) {
  RECT r;
  GetWindowRect(child, &r);
  MapWindowPoints(nullptr, GetParent(child), reinterpret_cast<POINT*>(&r), 2);
  return r;
}

TEST(WindowCreation, SetsUpTheObjectAndDeliversWmCreateWithTheNewHandle) {
  HostWindow host;
  RecordingWindow window(host.hwnd, 3, 4, 50, 40);
  ASSERT_NE(window.hwnd, nullptr);
  EXPECT_EQ(window.createdWith, window.hwnd);
  EXPECT_EQ(window.log.front(), "create");
  EXPECT_EQ(window.parent, host.hwnd);
  EXPECT_EQ(window.instance, GetModuleHandleW(nullptr));
  EXPECT_EQ(window.framed, 1);
  EXPECT_EQ(window.tableEntry.hwnd, window.hwnd);
  EXPECT_EQ(window.tableEntry.owner, &window);
  EXPECT_EQ(FindWindowObject(window.hwnd), &window);
  EXPECT_NE(window.shadowPen, nullptr);
  EXPECT_NE(window.lightPen, nullptr);
  EXPECT_EQ(WindowText(window.hwnd), kRecordingClass);
  EXPECT_EQ(GetWindowLongW(window.hwnd, GWL_STYLE) & (WS_CHILD | WS_VISIBLE),
            WS_CHILD | WS_VISIBLE);
  EXPECT_EQ(GetClassLongPtrW(window.hwnd, GCL_STYLE), CS_HREDRAW | CS_VREDRAW);
  EXPECT_EQ(windowBeingCreated, &window);
  // The resize during creation cannot find the object yet.
  ExpectRect(window.bounds, 3, 4, 50, 40);
}

TEST(WindowDispatch, EveryHandledMessageReachesItsOperation) {
  HostWindow host;
  RecordingWindow window(host.hwnd);
  window.log.clear();
  HWND h = window.hwnd;

  EXPECT_EQ(SendMessageW(h, WM_SIZE, 0x00020001, MAKELPARAM(200, 150)), 0);
  EXPECT_EQ(SendMessageW(h, WM_PAINT, 0, 0), 0);
  EXPECT_EQ(SendMessageW(h, WM_SHOWWINDOW, TRUE, 0), 0);
  EXPECT_EQ(SendMessageW(h, WM_SHOWWINDOW, FALSE, 0), 0);
  EXPECT_EQ(SendMessageW(h, WM_HELP, 0, 0), 0);
  EXPECT_EQ(SendMessageW(h, WM_KEYDOWN, VK_DOWN, 0x00500001), 0);
  EXPECT_EQ(SendMessageW(h, WM_KEYUP, VK_DOWN, 0x00500001), 0);
  EXPECT_EQ(SendMessageW(h, WM_COMMAND, MAKEWPARAM(1007, 1), 99), 0);
  EXPECT_EQ(SendMessageW(h, WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(-1, 7)), 0);
  EXPECT_EQ(SendMessageW(h, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(10, -1)), 0);
  EXPECT_EQ(SendMessageW(h, WM_LBUTTONUP, 0, MAKELPARAM(65534, 32768)), 0);

  const std::vector<std::string> expected = {
      "size 1 2 200 150", "paint", "show", "hide", "help", "keydown 40 5242881",
      "keyup 40 5242881", "command 66543 99", "move 1 65535 7", "down 1 10 65535",
      "up 0 65534 32768"};
  EXPECT_EQ(window.log, expected);
  ExpectRect(window.bounds, 1, 2, 200, 150);
}

TEST(WindowDispatch, OtherMessagesGoToTheDefaultProcedure) {
  HostWindow host;
  RecordingWindow window(host.hwnd);
  window.log.clear();
  EXPECT_EQ(SendMessageW(window.hwnd, WM_GETTEXTLENGTH, 0, 0), 15);
  EXPECT_EQ(SendMessageW(window.hwnd, WM_RBUTTONDOWN, 0, 0), 0);
  EXPECT_TRUE(window.log.empty());
}

TEST(WindowDispatch, ButtonColourUsesTheHandlersBrushOrFallsBackToTheDefault) {
  HostWindow host;
  RecordingWindow window(host.hwnd);
  PixelCanvas pixels(4, 4, RGB(0, 0, 0));
  HWND button = CreateWindowExW(0, L"button", L"b", WS_CHILD, 0, 0, 10, 10, window.hwnd, nullptr,
                                nullptr, nullptr);
  const WPARAM dc = reinterpret_cast<WPARAM>(pixels.dc);
  const LPARAM from = reinterpret_cast<LPARAM>(button);
  window.log.clear();

  window.buttonBrush = static_cast<HBRUSH>(GetStockObject(GRAY_BRUSH));
  EXPECT_EQ(SendMessageW(window.hwnd, WM_CTLCOLORBTN, dc, from),
            reinterpret_cast<LRESULT>(window.buttonBrush));

  window.buttonBrush = nullptr;
  const LRESULT fallback = DefWindowProcW(window.hwnd, WM_CTLCOLORBTN, dc, from);
  EXPECT_NE(fallback, 0);
  EXPECT_EQ(SendMessageW(window.hwnd, WM_CTLCOLORBTN, dc, from), fallback);
  const std::string call = "ctlcolor " + std::to_string(dc) + " " + std::to_string(from);
  EXPECT_EQ(window.log, (std::vector<std::string>{call, call}));
}

TEST(WindowDispatch, AHandleWithoutAnObjectIsDroppedExceptForButtonColour) {
  HostWindow host;
  PixelCanvas pixels(4, 4, RGB(0, 0, 0));
  const WPARAM dc = reinterpret_cast<WPARAM>(pixels.dc);
  ASSERT_EQ(FindWindowObject(host.hwnd), nullptr);
  EXPECT_EQ(SharedWndProc(host.hwnd, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(1, 1)), 0);
  EXPECT_EQ(SharedWndProc(host.hwnd, WM_COMMAND, 1, 0), 0);
  EXPECT_EQ(SharedWndProc(host.hwnd, WM_CTLCOLORBTN, dc, 0),
            DefWindowProcW(host.hwnd, WM_CTLCOLORBTN, dc, 0));
}

TEST(WindowDispatch, ShowMessagesGoToTheWindowCreatedLast) {
  HostWindow host;
  RecordingWindow first(host.hwnd);
  auto second = std::make_unique<RecordingWindow>(host.hwnd);
  first.log.clear();
  second->log.clear();
  SendMessageW(first.hwnd, WM_SHOWWINDOW, TRUE, 0);
  EXPECT_TRUE(first.log.empty());
  EXPECT_EQ(second->log, std::vector<std::string>{"show"});

  // Once that object is gone the message reaches nobody instead of a dead object.
  second.reset();
  EXPECT_EQ(windowBeingCreated, nullptr);
  EXPECT_EQ(SendMessageW(first.hwnd, WM_SHOWWINDOW, FALSE, 0), 0);
  EXPECT_TRUE(first.log.empty());
}

TEST(WindowOperations, MoveResizesAndTheResizeSetsBounds) {
  HostWindow host;
  RecordingWindow window(host.hwnd, 0, 0, 0, 0);
  window.Move(5, 6, 120, 80);
  ExpectRect(ChildRect(window.hwnd), 5, 6, 125, 86);
  ExpectRect(window.bounds, 0, 0, 120, 80);
  EXPECT_TRUE(window.Invalidate());
}

TEST(WindowOperations, SetFramedReturnsTheObjectAndPensCanBeReleasedTwice) {
  HostWindow host;
  RecordingWindow window(host.hwnd);
  EXPECT_EQ(window.SetFramed(0), &window);
  EXPECT_EQ(window.framed, 0);
  window.ReleaseGdiObjects();
  EXPECT_EQ(window.shadowPen, nullptr);
  EXPECT_EQ(window.darkPen, nullptr);
  window.ReleaseGdiObjects();
}

TEST(WindowTableOfTheProcess, TwoWindowsOfOneClassEachGetTheirOwnMessages) {
  HostWindow host;
  RecordingWindow a(host.hwnd), b(host.hwnd);
  ASSERT_NE(a.hwnd, nullptr);
  ASSERT_NE(b.hwnd, nullptr);
  a.log.clear();
  b.log.clear();
  SendMessageW(b.hwnd, WM_LBUTTONDOWN, 0, MAKELPARAM(2, 3));
  SendMessageW(a.hwnd, WM_LBUTTONUP, 0, MAKELPARAM(4, 5));
  EXPECT_EQ(a.log, std::vector<std::string>{"up 0 4 5"});
  EXPECT_EQ(b.log, std::vector<std::string>{"down 0 2 3"});
}

TEST(WindowTableOfTheProcess, TheSixtyFifthWindowGrowsTheTableKeepingTheOrder) {
  HostWindow host;
  const int32_t before = windowTable.windowCount;
  ASSERT_EQ(before, 0) << "an earlier test left a window behind";
  std::vector<std::unique_ptr<RecordingWindow>> windows;
  for (int i = 0; i < 65; ++i) {
    windows.push_back(std::make_unique<RecordingWindow>(host.hwnd));
    if (i == 63) {
      EXPECT_EQ(windowTable.entries.capacity, 64);
    }
  }
  EXPECT_EQ(windowTable.windowCount, 65);
  EXPECT_EQ(windowTable.entries.capacity, 128);
  for (int i = 0; i < 65; ++i) {
    EXPECT_EQ(windowTable.entries.At(i), &windows[i]->tableEntry) << i;
    EXPECT_EQ(FindWindowObject(windows[i]->hwnd), windows[i].get()) << i;
  }
  windows.clear();
  EXPECT_EQ(windowTable.windowCount, 0);
}

TEST(WindowTableOfTheProcess, ADestroyedWindowIsNoLongerFound) {
  HostWindow host;
  auto window = std::make_unique<RecordingWindow>(host.hwnd);
  RecordingWindow later(host.hwnd);
  const HWND old = window->hwnd;
  const int32_t count = windowTable.windowCount;
  DestroyWindow(old);
  EXPECT_EQ(FindWindowObject(old), nullptr);
  EXPECT_FALSE(window->IsLive());
  EXPECT_EQ(windowTable.windowCount, count - 1);
  EXPECT_EQ(FindWindowObject(later.hwnd), &later);
  later.log.clear();
  window.reset();
  EXPECT_TRUE(later.log.empty());
  EXPECT_EQ(FindWindowObject(later.hwnd), &later);
}

TEST(WindowTableOfTheProcess, DeletingALiveWindowObjectDestroysItsWindow) {
  HostWindow host;
  auto window = std::make_unique<RecordingWindow>(host.hwnd);
  const HWND h = window->hwnd;
  window.reset();
  EXPECT_FALSE(IsWindow(h));
  EXPECT_EQ(FindWindowObject(h), nullptr);
}

TEST(WindowTableOfTheProcess, DestroyingTheParentTakesTheChildrenOutOfTheTable) {
  auto host = std::make_unique<HostWindow>();
  RecordingWindow child(host->hwnd);
  const HWND h = child.hwnd;
  host.reset();
  EXPECT_FALSE(IsWindow(h));
  EXPECT_EQ(FindWindowObject(h), nullptr);
}

TEST(WindowTable, FindsTheFirstEntryOfAHandleAndRemovesKeepingTheOrder) {
  WindowTable table;
  // Owners are only compared, never called.
  Window* const first = reinterpret_cast<Window*>(0x100);
  Window* const second = reinterpret_cast<Window*>(0x200);
  Window* const third = reinterpret_cast<Window*>(0x300);
  WindowTableEntry a{reinterpret_cast<HWND>(0x10), first};
  WindowTableEntry b{reinterpret_cast<HWND>(0x20), second};
  WindowTableEntry c{reinterpret_cast<HWND>(0x10), third};
  EXPECT_EQ(table.Find(reinterpret_cast<HWND>(0x10)), nullptr);
  table.Add(&a);
  table.Add(&b);
  table.Add(&c);
  EXPECT_EQ(table.Find(reinterpret_cast<HWND>(0x10)), first);
  EXPECT_EQ(table.Find(reinterpret_cast<HWND>(0x30)), nullptr);
  EXPECT_TRUE(table.Remove(&a));
  EXPECT_FALSE(table.Remove(&a));
  EXPECT_EQ(table.windowCount, 2);
  EXPECT_EQ(table.entries.At(0), &b);
  EXPECT_EQ(table.Find(reinterpret_cast<HWND>(0x10)), third);
}

TEST(WindowTable, ACountOfZeroFindsNothing) {
  WindowTable table;
  WindowTableEntry a{reinterpret_cast<HWND>(0x10), nullptr};
  table.entries.Append(&a);
  EXPECT_EQ(table.Find(reinterpret_cast<HWND>(0x10)), nullptr);
}

}  // namespace
}  // namespace morvane
