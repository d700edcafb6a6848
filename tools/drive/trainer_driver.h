// Driving a running MorvaneCHS from outside, as a user would: find its
// window, press its buttons by their text, read the meaning field, write a
// stroke on the canvas, close it.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

namespace morvane {

// The trainer's frame, waiting up to timeoutMs for it to appear; none if it
// does not.
HWND findTrainer(DWORD timeoutMs);

// The first visible descendant of the class whose text is text (any text
// when text is none); none if there is no such window.
HWND findVisibleChild(HWND top, const wchar_t* className, const wchar_t* text);

// Presses the visible, enabled button with this text; false if there is none.
bool pressButton(HWND trainer, const wchar_t* text);

// The text of the meaning field.
std::wstring meaningText(HWND trainer);

// A stroke on the canvas's drawing area from (x0, y0) to (x1, y1) in its
// client coordinates, drawn in `steps` pen moves; false without a canvas.
bool writeStroke(HWND trainer, int x0, int y0, int x1, int y1, int steps);

// A stroke through these points of the canvas's client area, each segment
// drawn in `steps` pen moves; false without a canvas or points.
bool writeStrokeThrough(HWND trainer, const std::vector<POINT>& points, int steps);

// Taps the Hanzi view (the tallest text view) at this point of its client
// area, or at its middle without one. The press and release are posted, so
// a stroke animation the tap starts runs on while the caller goes on; false
// without the view.
bool tapHanzi(HWND trainer, const POINT* at);

// The visible top-level window with this title, waiting up to timeoutMs.
HWND findTopWindow(const wchar_t* title, DWORD timeoutMs);

// Asks the trainer to close (as its close box does) and waits up to
// timeoutMs for it to end; false if it is still there.
bool closeTrainer(HWND trainer, DWORD timeoutMs);

}  // namespace morvane
