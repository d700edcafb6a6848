// The frame window's procedure and the program's start-up.
#include "app/frame_window.h"

#include <string>

#include "app/hand_over.h"
#include "app/main_window.h"
#include "device/device_screen.h"
#include "device/menu_bar.h"
#include "resources/resource.h"
#include "ui/window_colors.h"

namespace morvane {

FrameState frameState;

namespace {

// Height the frame takes off for the menu bar strip and the top margin.
constexpr int kFrameBottomMargin = 27;
constexpr int kFrameTopMargin = 2;

void onCreate(HWND frame, const CREATESTRUCTW* create) {
  frameState.instance = create->hInstance;
  device::SHMENUBARINFO bar = {};
  bar.cbSize = sizeof bar;
  bar.hwndParent = frame;
  bar.nToolBarId = IDM_MENU;
  bar.hInstRes = frameState.instance;
  if (device::SHCreateMenuBar(&bar)) frameState.menuBar = bar.hwndMB;
  if (frameState.menuBar == nullptr) {
    MessageBoxW(nullptr, L"Couldn't create commandbar.", L"Morvane CHS", MB_ICONHAND);
  }
  frameState.mainWindow =
      new MainWindow(frame, frameState.instance,
                     device::CommandBar_GetMenu(frameState.menuBar, 0), frameState.menuBar);
  const std::wstring path =
      lessonPathFromCommandLine(static_cast<const wchar_t*>(create->lpCreateParams));
  if (frameState.mainWindow->hwnd != nullptr && !path.empty()) {
    frameState.mainWindow->openLesson(path);
  }
}

void onDestroy() {
  PostQuitMessage(0);
  if (frameState.mainWindow != nullptr) {
    frameState.mainWindow->teardown();
    delete frameState.mainWindow;
    frameState.mainWindow = nullptr;
  }
}

void onSize(int width, int height) {
  const int mainHeight = height - kFrameBottomMargin > 0 ? height - kFrameBottomMargin : 0;
  frameState.client = {0, kFrameTopMargin, width, mainHeight};
  if (frameState.mainWindow != nullptr && frameState.mainWindow->hwnd != nullptr) {
    MoveWindow(frameState.mainWindow->hwnd, 0, kFrameTopMargin, width, mainHeight, TRUE);
  }
}

}  // namespace

LRESULT CALLBACK FrameWndProc(HWND frame, UINT message, WPARAM wParam, LPARAM lParam) {
  MainWindow* main = frameState.mainWindow;
  switch (message) {
    case WM_CREATE:
      onCreate(frame, reinterpret_cast<const CREATESTRUCTW*>(lParam));
      return 0;
    case WM_DESTROY:
      onDestroy();
      return 0;
    case WM_SIZE:
      onSize(LOWORD(lParam), HIWORD(lParam));
      return 0;
    case WM_PAINT: {
      InvalidateRect(frame, &frameState.client, FALSE);
      PAINTSTRUCT ps;
      BeginPaint(frame, &ps);
      EndPaint(frame, &ps);
      return 0;
    }
    case WM_HELP:
      if (main != nullptr) main->OnHelp();
      return 0;
    case WM_KEYDOWN:
      if (main != nullptr) main->OnKeyDown(wParam, lParam);
      return 0;
    case WM_COMMAND:
      if (LOWORD(wParam) == IDM_EXIT) {
        SendMessageW(frame, WM_CLOSE, 0, 0);
      } else if (main != nullptr) {
        main->OnCommand(wParam, lParam);
      }
      return 0;
    case WM_USER:
      // A path pointer means something only inside this process: requests
      // sent from another thread or process are refused (the message loop
      // drops posted ones), a second start goes through "ToOpen".
      if (wParam == kOpenLessonRequest && main != nullptr && !InSendMessage() && lParam != 0) {
        main->openLesson(reinterpret_cast<const wchar_t*>(lParam));
      }
      return 0;
    default:
      return DefWindowProcW(frame, message, wParam, lParam);
  }
}

bool registerFrameClass(HINSTANCE instance) {
  WNDCLASSW wc = {};
  wc.style = CS_HREDRAW | CS_VREDRAW;
  wc.lpfnWndProc = FrameWndProc;
  wc.hInstance = instance;
  wc.hIcon = LoadIconW(instance, L"IDI_KELVARO");
  wc.hbrBackground = StaticBrush();
  wc.lpszClassName = L"Kelvaro";
  if (RegisterClassW(&wc)) return true;
  MessageBoxW(nullptr, L"Unable to register window!", L"Kelvaro", MB_ICONHAND);
  return false;
}

HWND createFrame(HINSTANCE instance, const wchar_t* commandLine, int showCommand) {
  HWND frame = device::CreateWindowExW(
      0, L"Kelvaro", L"MorvaneCHS", WS_VISIBLE | WS_CLIPCHILDREN | WS_BORDER, 0,
      device::GetSystemMetrics(SM_CYCAPTION), device::GetSystemMetrics(SM_CXSCREEN),
      device::GetSystemMetrics(SM_CYSCREEN), nullptr, nullptr, instance,
      const_cast<wchar_t*>(commandLine));
  if (frame != nullptr) {
    ShowWindow(frame, showCommand);
    UpdateWindow(frame);
  }
  return frame;
}

int runTrainer(HINSTANCE instance, const wchar_t* commandLine, int showCommand) {
  if (handOverToRunningCopy(lessonPathFromCommandLine(commandLine))) return 0;
  if (!registerFrameClass(instance)) return 0;
  HWND frame = createFrame(instance, commandLine, showCommand);
  if (frame == nullptr) {
    // No window would ever post the quit message the loop waits for.
    MessageBoxW(nullptr, L"Unable to create window!", L"Kelvaro", MB_ICONHAND);
    return 0;
  }
  MSG msg;
  while (GetMessageW(&msg, nullptr, 0, 0) > 0) {
    if (msg.message == WM_USER && msg.hwnd == frame) continue;
    TranslateMessage(&msg);
    DispatchMessageW(&msg);
  }
  return static_cast<int>(msg.wParam);
}

}  // namespace morvane
