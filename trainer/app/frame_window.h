// The trainer's program: the frame window (class "Kelvaro", title
// "MorvaneCHS") that owns the menu bar and carries the main window, and the
// start-up with its single-instance hand-over.
#pragma once

#include <windows.h>

namespace morvane {

class MainWindow;

// Process-wide state of the frame.
struct FrameState {
  HWND menuBar = nullptr;
  HINSTANCE instance = nullptr;
  MainWindow* mainWindow = nullptr;
  RECT client = {0, 0, 0, 0};  // (0, 2, width, height - 27) of the last WM_SIZE
};
extern FrameState frameState;

// wParam of the WM_USER request to open the lesson whose path lParam points to.
constexpr WPARAM kOpenLessonRequest = 1039;

LRESULT CALLBACK FrameWndProc(HWND frame, UINT message, WPARAM wParam, LPARAM lParam);

// Registers the frame class; false when that fails (after telling the user).
bool registerFrameClass(HINSTANCE instance);
// Creates and shows the frame; the command line is its creation parameter.
HWND createFrame(HINSTANCE instance, const wchar_t* commandLine, int showCommand);

// The whole program: hand-over, frame, message loop; returns the exit code.
int runTrainer(HINSTANCE instance, const wchar_t* commandLine, int showCommand);

}  // namespace morvane
