// The settings in the registry (HKEY_CURRENT_USER\Software\MorvaneCHS).
#include <cwchar>

#include "app/main_window.h"
#include "ui/hbf_char_font.h"
#include "app/study_view.h"

namespace morvane {

namespace {

const wchar_t kSettingsKey[] = L"Software\\MorvaneCHS";

constexpr DWORD kModeBufferBytes = 100;

// The switches in the order they are read and written.
struct SwitchValue {
  const wchar_t* name;
  bool Settings::*field;
};
const SwitchValue kSwitches[] = {
    {L"meaning", &Settings::showMeaning},   {L"reading", &Settings::showReading},
    {L"kanji", &Settings::showHanzi},       {L"track", &Settings::trackWrong},
    {L"lgStrokes", &Settings::largeStrokes}, {L"feedback", &Settings::strokeFeedback},
    {L"draw", &Settings::showCanvas},
};

}  // namespace

void MainWindow::loadSettings() {
  settings = Settings{};
  HKEY key = nullptr;
  if (RegOpenKeyExW(HKEY_CURRENT_USER, kSettingsKey, 0, KEY_ALL_ACCESS, &key) != ERROR_SUCCESS &&
      RegCreateKeyExW(HKEY_CURRENT_USER, kSettingsKey, 0, nullptr, 0, KEY_ALL_ACCESS, nullptr,
                      &key, nullptr) != ERROR_SUCCESS) {
    giveViewsLargeStrokes();
    return;
  }
  wchar_t mode[kModeBufferBytes / sizeof(wchar_t)] = {};
  DWORD size = kModeBufferBytes;
  if (RegQueryValueExW(key, L"mode", nullptr, nullptr, reinterpret_cast<BYTE*>(mode), &size) ==
      ERROR_SUCCESS) {
    const int32_t code = modeFromValue(mode, size);
    if (code >= 0) settings.lessonMode = code;
  }
  for (const SwitchValue& value : kSwitches) {
    DWORD data = 0;
    DWORD dataSize = sizeof data;
    if (RegQueryValueExW(key, value.name, nullptr, nullptr, reinterpret_cast<BYTE*>(&data),
                         &dataSize) == ERROR_SUCCESS &&
        dataSize == sizeof data) {
      settings.*value.field = switchFromValue(data);
    }
    if (value.field == &Settings::largeStrokes) giveViewsLargeStrokes();
  }
  RegCloseKey(key);
}

void MainWindow::saveSettings() {
  HKEY key = nullptr;
  if (RegOpenKeyExW(HKEY_CURRENT_USER, kSettingsKey, 0, KEY_ALL_ACCESS, &key) != ERROR_SUCCESS) {
    return;
  }
  if (const wchar_t* name = modeName(settings.lessonMode)) {
    RegSetValueExW(key, L"mode", 0, REG_SZ, reinterpret_cast<const BYTE*>(name),
                   static_cast<DWORD>((wcslen(name) + 1) * sizeof(wchar_t)));
  }
  for (const SwitchValue& value : kSwitches) {
    const DWORD data = settings.*value.field ? 1 : 0;
    RegSetValueExW(key, value.name, 0, REG_DWORD, reinterpret_cast<const BYTE*>(&data),
                   sizeof data);
  }
  RegCloseKey(key);
}

void MainWindow::giveViewsLargeStrokes() {
  hanziView->largeStrokes = settings.largeStrokes ? 1 : 0;
  readingView->largeStrokes = settings.largeStrokes ? 1 : 0;
  hanziView->SetFont(settings.largeStrokes ? largeFont : smallFont);
}

}  // namespace morvane
