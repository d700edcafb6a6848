// Message routing of the editor's dialog class.
#include "dialog_window.h"

namespace quillmark {

DialogWindow::~DialogWindow() {
  if (hwnd_ && !modal_) DestroyWindow(hwnd_);
}

INT_PTR DialogWindow::runModal(HINSTANCE instance, int templateId, HWND owner) {
  modal_ = true;
  return DialogBoxParamW(instance, MAKEINTRESOURCEW(templateId), owner, dialogProc,
                         reinterpret_cast<LPARAM>(this));
}

HWND DialogWindow::createModeless(HINSTANCE instance, int templateId, HWND owner) {
  modal_ = false;
  return CreateDialogParamW(instance, MAKEINTRESOURCEW(templateId), owner, dialogProc,
                            reinterpret_cast<LPARAM>(this));
}

void DialogWindow::endDialog(INT_PTR result) {
  if (modal_) {
    EndDialog(hwnd_, result);
  } else {
    DestroyWindow(hwnd_);
  }
}

INT_PTR CALLBACK DialogWindow::dialogProc(HWND hwnd, UINT message, WPARAM wParam,
                                          LPARAM lParam) {
  if (message == WM_INITDIALOG) {
    auto* self = reinterpret_cast<DialogWindow*>(lParam);
    SetWindowLongPtrW(hwnd, DWLP_USER, lParam);
    self->hwnd_ = hwnd;
    return self->onInitDialog();
  }
  auto* self = reinterpret_cast<DialogWindow*>(GetWindowLongPtrW(hwnd, DWLP_USER));
  if (!self) return FALSE;
  if (message == WM_NCDESTROY) {
    SetWindowLongPtrW(hwnd, DWLP_USER, 0);
    self->hwnd_ = nullptr;
    return FALSE;
  }
  return self->handleMessage(message, wParam, lParam);
}

INT_PTR DialogWindow::handleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_COMMAND: {
      int id = LOWORD(wParam);
      if (onCommand(id, HIWORD(wParam), reinterpret_cast<HWND>(lParam))) return TRUE;
      if (id == IDOK) {
        onOk();
        return TRUE;
      }
      if (id == IDCANCEL) {
        onCancel();
        return TRUE;
      }
      return FALSE;
    }
    case WM_SYSCOMMAND:
      if (!onSysCommand(wParam)) return FALSE;
      SetWindowLongPtrW(hwnd_, DWLP_MSGRESULT, 0);
      return TRUE;
    case WM_PAINT:
      return onPaint() ? TRUE : FALSE;
    case WM_QUERYDRAGICON:
      return reinterpret_cast<INT_PTR>(onQueryDragIcon());
    case WM_DESTROY:
      onDestroy();
      return FALSE;
    default:
      return FALSE;
  }
}

}  // namespace quillmark
