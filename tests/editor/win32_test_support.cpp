// Watchdog, dialog answering and temporary folders for the Windows tests.
#include "win32_test_support.h"

#include <cstdio>

namespace quillmark::fakes {

void startWatchdog(int seconds) {
  std::thread([seconds] {
    Sleep(static_cast<DWORD>(seconds) * 1000);
    std::fprintf(stderr, "watchdog: tests still running after %d s, giving up\n", seconds);
    std::fflush(stderr);
    ExitProcess(3);
  }).detach();
}

std::vector<std::wstring> childTexts(HWND window) {
  std::vector<std::wstring> texts;
  for (HWND child = GetWindow(window, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
    wchar_t text[512] = {};
    GetWindowTextW(child, text, 512);
    texts.push_back(text);
  }
  return texts;
}

HWND dialogOfProcess(DWORD process, const std::wstring& title) {
  for (HWND dialog = FindWindowExW(nullptr, nullptr, L"#32770", title.c_str()); dialog;
       dialog = FindWindowExW(nullptr, dialog, L"#32770", title.c_str())) {
    DWORD owner = 0;
    GetWindowThreadProcessId(dialog, &owner);
    if (owner == process && IsWindowVisible(dialog)) return dialog;
  }
  return nullptr;
}

std::thread answerDialog(const std::wstring& title, int command,
                         std::function<void(HWND)> inspect) {
  return std::thread([title, command, inspect] {
    for (int tries = 0; tries < 200; ++tries) {
      HWND dialog = dialogOfProcess(GetCurrentProcessId(), title);
      if (dialog) {
        if (inspect) inspect(dialog);
        PostMessageW(dialog, WM_COMMAND, command, 0);
        return;
      }
      Sleep(50);
    }
  });
}

TempFolder::TempFolder() {
  wchar_t base[MAX_PATH];
  GetTempPathW(MAX_PATH, base);
  folder_ = std::wstring(base) + L"quillmark-test-" + std::to_wstring(GetCurrentProcessId()) +
            L"-" + std::to_wstring(GetTickCount());
  CreateDirectoryW(folder_.c_str(), nullptr);
}

TempFolder::~TempFolder() {
  WIN32_FIND_DATAW found;
  HANDLE search = FindFirstFileW((folder_ + L"\\*").c_str(), &found);
  if (search != INVALID_HANDLE_VALUE) {
    do {
      DeleteFileW(path(found.cFileName).c_str());
    } while (FindNextFileW(search, &found));
    FindClose(search);
  }
  RemoveDirectoryW(folder_.c_str());
}

std::string TempFolder::readFile(const std::wstring& path) {
  HANDLE file = CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                            0, nullptr);
  if (file == INVALID_HANDLE_VALUE) return "<missing>";
  std::string bytes;
  char buffer[4096];
  DWORD got = 0;
  while (ReadFile(file, buffer, sizeof buffer, &got, nullptr) && got > 0) bytes.append(buffer, got);
  CloseHandle(file);
  return bytes;
}

void TempFolder::writeFile(const std::wstring& path, const std::string& bytes) {
  HANDLE file = CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
  DWORD written = 0;
  WriteFile(file, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr);
  CloseHandle(file);
}

}  // namespace quillmark::fakes
