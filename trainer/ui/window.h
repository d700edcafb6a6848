// Base class of every window of the trainer's own framework. Each object owns
// one child window; the shared window procedure finds the object through the
// window table and turns messages into calls of the virtual operations below.
#pragma once

#include <windows.h>

#include <cstdint>

namespace morvane {

class Window;

// A window handle and the object that owns it. The window table stores the
// address of this pair, which lives inside its window object.
struct WindowTableEntry {
  HWND hwnd = nullptr;
  Window* owner = nullptr;
};

class Window {
 public:
  Window() = default;
  Window(const Window&) = delete;
  Window& operator=(const Window&) = delete;

  // The virtual operations keep this order in every derived class; derived
  // classes declare their own after these.

  // Creates the window with the stock white brush as background.
  virtual HWND Create(int x, int y, int width, int height, HWND parentWindow,
                      HINSTANCE moduleInstance, const wchar_t* className, WNDPROC wndProc);
  // Creates the window with the given background brush.
  virtual HWND Create(int x, int y, int width, int height, HWND parentWindow,
                      HINSTANCE moduleInstance, const wchar_t* className, WNDPROC wndProc,
                      HBRUSH background);
  // Registers the class (a failed registration of a known name is harmless),
  // creates a visible child window whose text is the class name, enters it in
  // the window table and creates the pens. A null wndProc means the shared
  // window procedure. Returns the new handle, null on failure.
  virtual HWND CreateEx(int x, int y, int width, int height, HWND parentWindow,
                        HINSTANCE moduleInstance, const wchar_t* className, WNDPROC wndProc,
                        HBRUSH background, DWORD exStyle);
  // Creates the window on the shared window procedure with a white background.
  virtual HWND Create(int x, int y, int width, int height, HWND parentWindow,
                      HINSTANCE moduleInstance, const wchar_t* className);
  // Draws a sunken 3-D border along `bounds`: two rings, or three when
  // outlined (an extra black ring outside). Leaves the pen it found selected.
  virtual void DrawSunkenBorder(HDC hdc, bool outlined);
  // Repaints `bounds`, erasing first.
  virtual BOOL Invalidate();
  // WM_CREATE. `newWindow` is the handle being created: `hwnd` is not yet set.
  virtual void OnCreate(HWND newWindow);
  virtual void OnShow();
  virtual void OnHide();
  // Paints into the device context of WM_PAINT; the base draws the border
  // while `framed` is set.
  virtual void OnPaint(HDC hdc);
  // WM_SIZE: the size type's two halves, then the new width and height.
  // The base stores them as `bounds`.
  virtual void OnSize(uint16_t a, uint16_t b, uint16_t c, uint16_t d);
  virtual void OnKeyDown(WPARAM wParam, LPARAM lParam);
  virtual void OnKeyUp(WPARAM wParam, LPARAM lParam);
  // Mouse handlers get the key state and the position as unsigned 16-bit
  // values: a position left of or above the window arrives as 65535 or so.
  virtual void OnLButtonDown(WPARAM keys, uint16_t x, uint16_t y);
  virtual void OnLButtonUp(WPARAM keys, uint16_t x, uint16_t y);
  virtual void OnMouseMove(WPARAM keys, uint16_t x, uint16_t y);
  virtual void OnCommand(WPARAM wParam, LPARAM lParam);
  // Deletes the four pens; safe to call more than once.
  virtual void ReleaseGdiObjects();
  virtual void OnHelp();
  // WM_CTLCOLORBTN: a brush for the button, or null to let the platform choose.
  virtual HBRUSH OnCtlColorButton(WPARAM wParam, LPARAM lParam);

  // Takes the window out of the table, destroys it if it still exists and
  // releases the pens.
  virtual ~Window();

  // Turns the sunken border on or off; returns this object.
  Window* SetFramed(int32_t flag);
  // Moves and resizes the window, repainting; `bounds` follows from WM_SIZE.
  void Move(int x, int y, int width, int height);
  // True from creation until the window is destroyed.
  bool IsLive() const;

  HWND hwnd = nullptr;
  HWND parent = nullptr;
  HINSTANCE instance = nullptr;
  // (x, y, width, height) after creation; (0, 0, width, height) after a resize.
  RECT bounds = {0, 0, 0, 0};
  int32_t framed = 0;
  WindowTableEntry tableEntry;
  HPEN shadowPen = nullptr;
  HPEN highlightPen = nullptr;
  HPEN darkPen = nullptr;
  HPEN lightPen = nullptr;

 private:
  void DeletePens();
};

}  // namespace morvane
