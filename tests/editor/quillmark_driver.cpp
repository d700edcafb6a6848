// Starting Quillmark.exe and finding and driving its windows from outside.
#include "quillmark_driver.h"

namespace quillmark::fakes {

namespace {

const wchar_t kNewTitle[] = L"MorvaneCHS Lesson Editor: (New)";

std::wstring windowsPath(const std::string& buildPath) {
  std::wstring wide = buildPath.front() == '/' ? L"Z:" : L"";
  for (char c : buildPath) wide += c == '/' ? L'\\' : static_cast<wchar_t>(c);
  return wide;
}

struct WindowSearch {
  DWORD process;
  const wchar_t* title;
  HWND found;
};

BOOL CALLBACK matchWindow(HWND window, LPARAM data) {
  auto* search = reinterpret_cast<WindowSearch*>(data);
  DWORD process = 0;
  GetWindowThreadProcessId(window, &process);
  wchar_t text[256] = {};
  GetWindowTextW(window, text, 256);
  if (process != search->process || !IsWindowVisible(window) ||
      search->title != std::wstring(text)) {
    return TRUE;
  }
  search->found = window;
  return FALSE;
}

}  // namespace

QuillmarkDriver::QuillmarkDriver(const std::string& buildPath, const std::wstring& arguments,
                                 const wchar_t* title) {
  STARTUPINFOW startup = {};
  startup.cb = sizeof startup;
  std::wstring command = L"\"" + windowsPath(buildPath) + L"\"";
  if (!arguments.empty()) command += L" " + arguments;
  if (!CreateProcessW(nullptr, &command[0], nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup,
                      &process_)) {
    process_ = {};
    return;
  }
  dialog_ = waitForWindow(title != nullptr ? title : kNewTitle);
}

QuillmarkDriver::~QuillmarkDriver() {
  if (!process_.hProcess) return;
  if (WaitForSingleObject(process_.hProcess, 0) == WAIT_TIMEOUT) {
    TerminateProcess(process_.hProcess, 1);
    WaitForSingleObject(process_.hProcess, 5000);
  }
  CloseHandle(process_.hThread);
  CloseHandle(process_.hProcess);
}

HWND QuillmarkDriver::waitForWindow(const wchar_t* title, int seconds) {
  for (int tries = 0; tries < seconds * 20; ++tries) {
    WindowSearch search = {process_.dwProcessId, title, nullptr};
    EnumWindows(matchWindow, reinterpret_cast<LPARAM>(&search));
    if (search.found) return search.found;
    Sleep(50);
  }
  return nullptr;
}

bool QuillmarkDriver::waitForText(HWND window, const std::wstring& text, int seconds) {
  for (int tries = 0; tries < seconds * 20 && windowText(window) != text; ++tries) Sleep(50);
  return windowText(window) == text;
}

void QuillmarkDriver::type(int id, const wchar_t* text) {
  DWORD_PTR result;
  SendMessageTimeoutW(GetDlgItem(dialog_, id), WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text),
                      SMTO_ABORTIFHUNG, 5000, &result);
}

void QuillmarkDriver::command(int id) { PostMessageW(dialog_, WM_COMMAND, MAKEWPARAM(id, 0), 0); }

bool QuillmarkDriver::chooseFile(const wchar_t* dialogTitle, const std::wstring& path) {
  HWND files = waitForWindow(dialogTitle);
  if (!files) return false;
  HWND nameBox = FindWindowExW(files, nullptr, L"ComboBoxEx32", nullptr);
  HWND name = nameBox ? GetDlgItem(GetDlgItem(nameBox, 1148), 1148) : GetDlgItem(files, 1152);
  if (!name) return false;
  SendMessageW(name, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(path.c_str()));
  PostMessageW(files, WM_COMMAND, IDOK, 0);
  return true;
}

bool QuillmarkDriver::exits() {
  return WaitForSingleObject(process_.hProcess, 10000) == WAIT_OBJECT_0;
}

std::wstring QuillmarkDriver::windowText(HWND window) {
  wchar_t text[512] = {};
  DWORD_PTR result;
  SendMessageTimeoutW(window, WM_GETTEXT, 512, reinterpret_cast<LPARAM>(text), SMTO_ABORTIFHUNG,
                      5000, &result);
  return text;
}

std::string dictionaryLesson(int items, const std::string& senses) {
  std::string bytes;
  for (int i = 0; i < items; ++i) {
    bytes += static_cast<char>(0xB0 + i / 94 % 40);
    bytes += static_cast<char>(0xA1 + i % 94);
    bytes += "\xD7\xD6 [zi4] /item " + std::to_string(i) + senses + "/\r\n";
  }
  return bytes;
}

}  // namespace quillmark::fakes
