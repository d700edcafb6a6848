// How long MorvaneCHS.exe takes to open a dictionary-sized lesson and how
// much memory it holds then, beside a bare start on a one-item lesson in the
// same run: from the process's start until "Show" can be pressed.
//   trainer_open_benchmark.exe [ITEMS|LESSON [DATA-DIR]]   (120000 items by default)
// DATA-DIR (or MORVANE_FONT_DIR) holds the fonts and stroke databases the
// main job builds; they go into the device's "\Windows" of a scratch device.
#include <windows.h>
// After windows.h, which it needs.
#include <psapi.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>

#include "benchmark_lesson.h"
#include "trainer_driver.h"

namespace {

namespace fs = std::filesystem;

// The build gives a path of the build machine; under Wine "/" is drive Z:.
std::wstring hostPath(const std::string& path) {
  std::wstring wide = !path.empty() && path.front() == '/' ? L"Z:" : L"";
  for (char c : path) wide += c == '/' ? L'\\' : static_cast<wchar_t>(c);
  return wide;
}

// ITEMS lines shaped like CC-CEDICT converted to GB (65 bytes on average):
// two Hanzi drawn in turn from the 3,666 of rows 0xB0 to 0xD6.
std::string dictionaryLesson(int items) {
  std::string text;
  text.reserve(static_cast<size_t>(items) * 66);
  for (int i = 0; i < items; ++i) {
    for (int k : {2 * i, 2 * i + 1}) {
      text += static_cast<char>(0xB0 + (k / 94) % 39);
      text += static_cast<char>(0xA1 + k % 94);
    }
    text += " [zi4 ci2] /item " + std::to_string(i) + "/a written word; its sense/\r\n";
  }
  return text;
}

struct Opened {
  double seconds = 0;
  double workingSet = 0;
  bool ok = false;
};

// Starts the trainer on the lesson, waits until "Show" is enabled, measures,
// closes it.
Opened openIn(const std::wstring& program, const std::wstring& lesson) {
  Opened result;
  std::wstring command = L"\"" + program + L"\" \"" + lesson + L"\"";
  STARTUPINFOW startup = {};
  startup.cb = sizeof startup;
  PROCESS_INFORMATION process = {};
  LARGE_INTEGER start, now, frequency;
  QueryPerformanceCounter(&start);
  if (!CreateProcessW(nullptr, &command[0], nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup,
                      &process)) {
    return result;
  }
  HWND trainer = morvane::findTrainer(60000);
  for (int tries = 0; trainer != nullptr && tries < 60000; ++tries) {
    HWND show = morvane::findVisibleChild(trainer, L"Button", L"Show");
    if (show != nullptr && IsWindowEnabled(show)) {
      result.ok = true;
      break;
    }
    Sleep(10);
  }
  QueryPerformanceCounter(&now);
  QueryPerformanceFrequency(&frequency);
  result.seconds = static_cast<double>(now.QuadPart - start.QuadPart) / frequency.QuadPart;
  PROCESS_MEMORY_COUNTERS counters = {};
  GetProcessMemoryInfo(process.hProcess, &counters, sizeof counters);
  result.workingSet = static_cast<double>(counters.WorkingSetSize);
  if (trainer != nullptr) morvane::closeTrainer(trainer, 60000);
  if (WaitForSingleObject(process.hProcess, 0) == WAIT_TIMEOUT)
    TerminateProcess(process.hProcess, 1);
  CloseHandle(process.hThread);
  CloseHandle(process.hProcess);
  return result;
}

}  // namespace

int main(int argc, char** argv) {
  morvane::bench::BenchmarkLesson lesson;
  const char* data = argc > 2 ? argv[2] : std::getenv("MORVANE_FONT_DIR");
  if (!morvane::bench::benchmarkLesson(argc > 1 ? argv[1] : nullptr, 120000, dictionaryLesson,
                                       lesson) ||
      data == nullptr) {
    std::fprintf(stderr,
                 "usage: trainer_open_benchmark [ITEMS|LESSON [DATA-DIR]] (or MORVANE_FONT_DIR)\n");
    return 2;
  }
  const int items = lesson.items;
  wchar_t temp[MAX_PATH];
  GetTempPathW(MAX_PATH, temp);
  const fs::path root = fs::path(temp) / ("morvane-open-" + std::to_string(GetCurrentProcessId()));
  std::error_code error;
  fs::create_directories(root / "Windows", error);
  fs::create_directories(root / "My Documents", error);
  for (const fs::directory_entry& file : fs::directory_iterator(fs::path(hostPath(data)), error)) {
    fs::copy_file(file.path(), root / "Windows" / file.path().filename(),
                  fs::copy_options::overwrite_existing, error);
  }
  const std::string& big = lesson.bytes;
  // The one-item lesson is GB whatever the dictionary's encoding: a bare start.
  const fs::path one = root / "My Documents" / "one.gb",
                 dictionary = root / "My Documents" / ("dictionary" + lesson.extension);
  std::ofstream(one, std::ios::binary) << dictionaryLesson(1);
  std::ofstream(dictionary, std::ios::binary) << big;
  SetEnvironmentVariableW(L"MORVANE_DEVICE_ROOT", root.wstring().c_str());
  RegDeleteTreeW(HKEY_CURRENT_USER, L"Software\\MorvaneCHS");

  const std::wstring program = hostPath(MORVANE_TRAINER_EXE);
  const Opened bare = openIn(program, one.wstring());
  const Opened full = openIn(program, dictionary.wstring());
  fs::remove_all(root, error);
  RegDeleteTreeW(HKEY_CURRENT_USER, L"Software\\MorvaneCHS");
  if (!bare.ok || !full.ok) {
    std::fprintf(stderr, "the trainer did not come up to study\n");
    return 1;
  }
  const double fileBytes = static_cast<double>(big.size());
  std::printf("one-item lesson:      up in %.2f s, working set %6.1f MB\n", bare.seconds,
              bare.workingSet / 1e6);
  std::printf("%d items (%.1f MB): up in %.2f s, working set %6.1f MB\n", items, fileBytes / 1e6,
              full.seconds, full.workingSet / 1e6);
  std::printf("beyond the bare start: %.2f s, %.1f MB = %.1f times the file, %.0f bytes per item\n",
              full.seconds - bare.seconds, (full.workingSet - bare.workingSet) / 1e6,
              (full.workingSet - bare.workingSet) / fileBytes,
              (full.workingSet - bare.workingSet) / items);
  return 0;
}
