// Helpers for driving the editor's real windows under Wine: a watchdog so a
// stuck modal loop ends the run, answering dialogs from another thread, and a
// private temporary folder.
#pragma once

#include <windows.h>

#include <functional>
#include <string>
#include <thread>
#include <vector>

namespace quillmark::fakes {

// Ends the process if the tests have not finished after `seconds`.
void startWatchdog(int seconds);

// The texts of a window's children, in creation order.
std::vector<std::wstring> childTexts(HWND window);

// A visible dialog of the process with this title, or null: tests running
// side by side open dialogs of the same titles.
HWND dialogOfProcess(DWORD process, const std::wstring& title);

// Waits on its own thread for a dialog titled `title`, lets `inspect` look at
// it, then sends it the command (IDOK, IDYES, IDNO...). Join it after the
// action that opens the dialog has returned.
std::thread answerDialog(const std::wstring& title, int command,
                         std::function<void(HWND)> inspect = nullptr);

// A fresh folder under the temporary folder, removed with its files on destruction.
class TempFolder {
 public:
  TempFolder();
  ~TempFolder();
  TempFolder(const TempFolder&) = delete;
  TempFolder& operator=(const TempFolder&) = delete;

  std::wstring path(const std::wstring& name) const { return folder_ + L"\\" + name; }
  static std::string readFile(const std::wstring& path);
  static void writeFile(const std::wstring& path, const std::string& bytes);

 private:
  std::wstring folder_;
};

}  // namespace quillmark::fakes
