// Device paths, storage cards and the personal folder on a desktop.
#include "device/device_storage.h"

#include <algorithm>
#include <cwchar>
#include <vector>

#include "device/device_paths.h"

namespace morvane::device {

namespace {

bool rootKnown = false;
std::wstring currentRoot;
// Set when no device root is named: the program runs as installed on a
// desktop, and device paths resolve to its folders.
bool onDesktop = false;
DesktopFolders desktop;
bool cardsKnown = false;
std::vector<std::wstring> cardNames;

std::wstring environmentValue(const wchar_t* name) {
  DWORD n = GetEnvironmentVariableW(name, nullptr, 0);
  if (n == 0) return L"";
  std::wstring value(n, L'\0');
  DWORD got = GetEnvironmentVariableW(name, value.data(), n);
  value.resize(got < n ? got : 0);
  return value;
}

std::wstring programPath() {
  std::vector<wchar_t> module(32768);
  DWORD n = GetModuleFileNameW(nullptr, module.data(), static_cast<DWORD>(module.size()));
  return std::wstring(module.data(), n);
}

DesktopFolders desktopFolders() {
  DesktopFolders folders;
  const std::wstring program = programPath();
  folders.program = program.substr(0, program.find_last_of(L"\\/"));
  folders.drive = driveRootOf(program);
  wchar_t documents[MAX_PATH] = L"";
  if (SUCCEEDED(SHGetFolderPathW(nullptr, CSIDL_PERSONAL | CSIDL_FLAG_CREATE, nullptr,
                                 SHGFP_TYPE_CURRENT, documents))) {
    folders.documents = documents;
  } else {
    folders.documents = folders.program;
  }
  return folders;
}

// The root MORVANE_DEVICE_ROOT names; without one, the desktop's folders.
void findRoot() {
  currentRoot = environmentValue(L"MORVANE_DEVICE_ROOT");
  onDesktop = currentRoot.empty();
  if (onDesktop) {
    desktop = desktopFolders();
    currentRoot = desktop.drive;
  }
  rootKnown = true;
}

const std::vector<std::wstring>& cards() {
  if (!cardsKnown) {
    cardNames = storageCardNames(environmentValue(L"MORVANE_STORAGE_CARDS"));
    cardsKnown = true;
  }
  return cardNames;
}

bool isCard(const WIN32_FIND_DATAW& found) {
  if (!(found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)) return false;
  const auto& names = cards();
  return std::any_of(names.begin(), names.end(), [&](const std::wstring& name) {
    return _wcsicmp(name.c_str(), found.cFileName) == 0;
  });
}

// Advances the search to the next card folder, the current entry included.
bool skipToCard(HANDLE search, WIN32_FIND_DATAW* found) {
  while (!isCard(*found)) {
    if (!FindNextFileW(search, found)) return false;
  }
  return true;
}

}  // namespace

std::wstring deviceRoot() {
  if (!rootKnown) findRoot();
  return currentRoot;
}

void setDeviceRoot(const std::wstring& root) {
  currentRoot = root;
  onDesktop = false;
  rootKnown = true;
}

void setStorageCards(const std::wstring& setting) {
  cardNames = storageCardNames(setting);
  cardsKnown = true;
}

std::wstring hostPath(const std::wstring& path) {
  const std::wstring root = deviceRoot();
  return onDesktop ? desktopHostPath(desktop, path) : hostPathFor(root, path);
}

HANDLE FindFirstFlashCard(WIN32_FIND_DATAW* found) {
  HANDLE search = FindFirstFileW(hostPath(L"\\*").c_str(), found);
  if (search == INVALID_HANDLE_VALUE) return search;
  if (!skipToCard(search, found)) {
    FindClose(search);
    SetLastError(ERROR_NO_MORE_FILES);
    return INVALID_HANDLE_VALUE;
  }
  return search;
}

BOOL FindNextFlashCard(HANDLE search, WIN32_FIND_DATAW* found) {
  if (!FindNextFileW(search, found)) return FALSE;
  return skipToCard(search, found) ? TRUE : FALSE;
}

BOOL SHGetSpecialFolderPath(HWND, wchar_t* path, int folder, BOOL create) {
  if (folder != CSIDL_PERSONAL || path == nullptr) return FALSE;
  static const wchar_t personal[] = L"\\My Documents";
  if (create) CreateDirectoryW(hostPath(personal).c_str(), nullptr);
  wcscpy(path, personal);
  return TRUE;
}

}  // namespace morvane::device
