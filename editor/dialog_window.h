// A small dialog class standing in for an application framework's: a dialog
// from a resource template, run modally or modelessly, with typed handlers.
#pragma once

#include <windows.h>

namespace quillmark {

class DialogWindow {
 public:
  DialogWindow() = default;
  virtual ~DialogWindow();
  DialogWindow(const DialogWindow&) = delete;
  DialogWindow& operator=(const DialogWindow&) = delete;

  // Runs the dialog until endDialog; returns its result, or -1 if it could
  // not be created.
  INT_PTR runModal(HINSTANCE instance, int templateId, HWND owner);
  // Creates the dialog and returns at once (tests drive it by messages).
  HWND createModeless(HINSTANCE instance, int templateId, HWND owner);

  HWND handle() const { return hwnd_; }
  HWND item(int id) const { return GetDlgItem(hwnd_, id); }

 protected:
  // Ends a modal run with result, or destroys a modeless dialog.
  void endDialog(INT_PTR result);

  // Return TRUE to let the dialog manager set the focus.
  virtual BOOL onInitDialog() { return TRUE; }
  // WM_COMMAND; false if not handled. IDOK and IDCANCEL reach onOk/onCancel.
  virtual bool onCommand(int /*id*/, int /*code*/, HWND /*control*/) { return false; }
  virtual void onOk() { endDialog(IDOK); }
  virtual void onCancel() { endDialog(IDCANCEL); }
  // WM_SYSCOMMAND; false to leave it to the default handling.
  virtual bool onSysCommand(WPARAM /*command*/) { return false; }
  // WM_PAINT; false to leave it to the default handling.
  virtual bool onPaint() { return false; }
  virtual HICON onQueryDragIcon() { return nullptr; }
  virtual void onDestroy() {}

 private:
  static INT_PTR CALLBACK dialogProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
  INT_PTR handleMessage(UINT message, WPARAM wParam, LPARAM lParam);

  HWND hwnd_ = nullptr;
  bool modal_ = false;
};

}  // namespace quillmark
