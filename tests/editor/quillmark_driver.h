// Quillmark.exe started as a user starts it and driven from outside by window
// messages: its dialog, the real file dialogs and its questions. Used by the
// program tests and by the Open benchmark.
#pragma once

#include <windows.h>

#include <string>

namespace quillmark::fakes {

class QuillmarkDriver {
 public:
  // Starts the program at buildPath (a path of the build machine, "/" being
  // drive Z: under Wine) with the command line's arguments and waits for
  // its dialog, titled as a new lesson's unless said.
  explicit QuillmarkDriver(const std::string& buildPath, const std::wstring& arguments = L"",
                           const wchar_t* title = nullptr);
  // Ends the program if it still runs.
  ~QuillmarkDriver();
  QuillmarkDriver(const QuillmarkDriver&) = delete;
  QuillmarkDriver& operator=(const QuillmarkDriver&) = delete;

  // The editor's dialog, or null if it did not come up.
  HWND dialog() const { return dialog_; }
  HANDLE process() const { return process_.hProcess; }

  // A visible top-level window of the program with this title, or null once
  // `seconds` have passed.
  HWND waitForWindow(const wchar_t* title, int seconds = 10);
  // Whether the window's text becomes `text` within `seconds`.
  bool waitForText(HWND window, const std::wstring& text, int seconds = 10);
  // Sets a control's text as typing would.
  void type(int id, const wchar_t* text);
  // Posted, because a command may open a modal box that the caller must answer.
  void command(int id);
  // Puts the path into the file dialog's name box and presses its OK button;
  // false if no such file dialog came.
  bool chooseFile(const wchar_t* dialogTitle, const std::wstring& path);
  // Whether the program ends within ten seconds.
  bool exits();

  // WM_GETTEXT, since GetWindowText does not read controls of another process.
  static std::wstring windowText(HWND window);

 private:
  PROCESS_INFORMATION process_ = {};
  HWND dialog_ = nullptr;
};

// A GB lesson of `items` lines like a converted dictionary's: two Hanzi, a
// reading and the meaning "item N" followed by `senses`.
std::string dictionaryLesson(int items, const std::string& senses = "");

}  // namespace quillmark::fakes
