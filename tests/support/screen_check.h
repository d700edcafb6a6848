// What a person checks on a screen, as a test: every visible control's text
// fits its control, no two visible sibling controls overlap, and a window
// lies wholly on the screen. Each fault is a sentence naming the windows.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

namespace screencheck {

// Faults of every visible window under top (its descendants): texts that do
// not fit, siblings that overlap. A window with visible children occupies
// what they occupy; one without occupies its own rectangle.
std::vector<std::wstring> layoutFaults(HWND top);

// A fault when the window does not lie wholly in the work area of the
// desktop's monitor; none otherwise.
std::vector<std::wstring> offScreenFaults(HWND window);

// Both of the above.
std::vector<std::wstring> screenFaults(HWND top);

// The width the text needs in the window's own font (WM_GETFONT, else the
// system font), in pixels.
int textWidth(HWND window, const std::wstring& text);

// A short description of a window for fault messages: class "text".
std::wstring describe(HWND window);

}  // namespace screencheck
