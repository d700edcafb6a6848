// The lesson editor's dialog window: the edit boxes, buttons, item list, menu
// and system-menu entry of the resource template, wired to LessonEditorDialog.
#pragma once

#include <windows.h>

#include <memory>
#include <string>
#include <vector>

#include "core/editor_ports.h"
#include "core/lesson_editor_dialog.h"
#include "dialog_window.h"

namespace quillmark {

class EditorWindow : public DialogWindow, private DialogControls {
 public:
  // The prompt, chooser, storage and codec must outlive the window.
  EditorWindow(HINSTANCE instance, UserPrompt& prompt, FileChooser& chooser,
               LessonStorage& storage, const TextCodec& codec);
  ~EditorWindow() override;

  INT_PTR run() { return runModal(instance_, templateId(), nullptr); }
  HWND open() { return createModeless(instance_, templateId(), nullptr); }

  LessonEditorDialog& editor() { return editor_; }
  // A lesson to open once the dialog is up (the command line's).
  void openAtStart(const std::wstring& path) { startPath_ = path; }

 private:
  static int templateId();

  BOOL onInitDialog() override;
  bool onCommand(int id, int code, HWND control) override;
  void onOk() override;
  void onCancel() override;
  bool onSysCommand(WPARAM command) override;
  bool onPaint() override;
  HICON onQueryDragIcon() override { return icon_; }
  void onDestroy() override;

  void addAboutToSystemMenu();
  void createHanziFont();

  // DialogControls
  std::wstring hanziText() override;
  std::wstring readingText() override;
  std::wstring meaningText() override;
  void setTexts(const EditorItem& item) override;
  void insertListLine(int index, const std::wstring& text) override;
  void deleteListLine(int index) override;
  void clearList() override;
  void setListLines(const std::vector<std::wstring>& lines) override;
  void selectListLine(int index) override;
  int listSelection() override;
  void focusHanzi() override;
  void setWindowTitle(const std::wstring& title) override;
  void showAbout() override;

  std::wstring editText(int id);

  std::wstring startPath_;

  HINSTANCE instance_;
  LessonEditorDialog editor_;
  HICON icon_ = nullptr;
  HICON smallIcon_ = nullptr;
  HFONT hanziFont_ = nullptr;
};

}  // namespace quillmark
