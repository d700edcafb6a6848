// How long Quillmark.exe takes to open a dictionary-sized lesson, measured as
// a user meets it: from the Open dialog's OK until the first item shows; and
// how much memory it holds then, beside what it held on a bare start.
//   quillmark_open_benchmark.exe [ITEMS|LESSON.gb]    (120000 items by default)
#include <windows.h>
// After windows.h, which it needs.
#include <psapi.h>

#include <cstdio>
#include <cstdlib>
#include <string>

#include "benchmark_lesson.h"
#include "quillmark_driver.h"
#include "resource.h"
#include "win32_test_support.h"

using quillmark::fakes::QuillmarkDriver;
using quillmark::fakes::TempFolder;

namespace {

// Makes the lines as long as those of CC-CEDICT converted to GB (118,000
// lines in 7.7 MB, 65 bytes each on average).
const char kSenses[] = "/a written character; a word/to write it";

double secondsSince(const LARGE_INTEGER& start) {
  LARGE_INTEGER now, frequency;
  QueryPerformanceCounter(&now);
  QueryPerformanceFrequency(&frequency);
  return static_cast<double>(now.QuadPart - start.QuadPart) /
         static_cast<double>(frequency.QuadPart);
}

struct Memory {
  double workingSet = 0, peakWorkingSet = 0, privateBytes = 0;
};

Memory memoryOf(HANDLE process) {
  PROCESS_MEMORY_COUNTERS counters = {};
  GetProcessMemoryInfo(process, &counters, sizeof counters);
  // PagefileUsage is the private commit, which PrivateUsage only repeats;
  // Wine fills just the former (with the anonymous resident memory).
  return {static_cast<double>(counters.WorkingSetSize),
          static_cast<double>(counters.PeakWorkingSetSize),
          static_cast<double>(counters.PagefileUsage)};
}

void printMemory(const char* when, const Memory& memory) {
  std::printf("%-22s working set %6.1f MB (peak %6.1f MB), private %6.1f MB\n", when,
              memory.workingSet / 1e6, memory.peakWorkingSet / 1e6, memory.privateBytes / 1e6);
}

// What a list box takes for the lesson's list alone: the same number of
// two-character lines, filled as the editor fills its list, in this process.
double listBoxBytes(int lines) {
  HWND list = CreateWindowW(L"LISTBOX", nullptr, LBS_HASSTRINGS, 0, 0, 100, 100, nullptr, nullptr,
                            nullptr, nullptr);
  const double before = memoryOf(GetCurrentProcess()).workingSet;
  SendMessageW(list, LB_INITSTORAGE, lines, lines * 3 * sizeof(wchar_t));
  for (int i = 0; i < lines; ++i) {
    SendMessageW(list, LB_INSERTSTRING, static_cast<WPARAM>(-1),
                 reinterpret_cast<LPARAM>(L"\x554A\x5B57"));
  }
  const double bytes = memoryOf(GetCurrentProcess()).workingSet - before;
  DestroyWindow(list);
  return bytes;
}

// Waits until the first item of the lesson shows. The dialog fills its list
// and shows that item within the one message that opens the file, so once
// the list answers with the lesson's lines, all of them are there.
bool waitUntilOpen(HWND dialog, int items, int seconds) {
  for (int tries = 0; tries < seconds * 100; ++tries) {
    const LRESULT lines = SendDlgItemMessageW(dialog, IDC_ITEM_LIST, LB_GETCOUNT, 0, 0);
    if ((lines > 1 || items == 1) &&
        !QuillmarkDriver::windowText(GetDlgItem(dialog, IDC_MEANING)).empty()) {
      return true;
    }
    Sleep(10);
  }
  return false;
}

}  // namespace

int main(int argc, char** argv) {
  morvane::bench::BenchmarkLesson generated;
  auto generate = [](int n) { return quillmark::fakes::dictionaryLesson(n, kSenses); };
  if (!morvane::bench::benchmarkLesson(argc > 1 ? argv[1] : nullptr, 120000, generate,
                                       generated)) {
    std::fprintf(stderr, "usage: quillmark_open_benchmark [ITEMS|LESSON.gb]\n");
    return 2;
  }
  const int items = generated.items;
  TempFolder folder;
  const std::wstring path =
      folder.path(L"dictionary" + std::wstring(generated.extension.begin(), generated.extension.end()));
  const std::string& lesson = generated.bytes;
  TempFolder::writeFile(path, lesson);
  const double fileBytes = static_cast<double>(lesson.size());

  QuillmarkDriver program(QUILLMARK_EXE);
  if (!program.dialog()) {
    std::fprintf(stderr, "Quillmark did not start\n");
    return 1;
  }
  const Memory bare = memoryOf(program.process());
  program.command(ID_FILE_OPEN);
  if (!program.chooseFile(L"Open", path)) {
    std::fprintf(stderr, "no Open dialog\n");
    return 1;
  }
  LARGE_INTEGER start;
  QueryPerformanceCounter(&start);
  if (!waitUntilOpen(program.dialog(), items, 600)) {
    std::fprintf(stderr, "the lesson did not open within 600 s\n");
    return 1;
  }
  const double seconds = secondsSince(start);
  const Memory open = memoryOf(program.process());
  LRESULT lines = SendDlgItemMessageW(program.dialog(), IDC_ITEM_LIST, LB_GETCOUNT, 0, 0);
  std::printf("opened %d of %d items (%.1f MB) in %.2f s\n", static_cast<int>(lines), items,
              fileBytes / 1e6, seconds);
  printMemory("bare start:", bare);
  printMemory("with the lesson open:", open);
  std::printf("%.0f bytes per item beyond the bare start; in all %.1f times the file size\n",
              (open.workingSet - bare.workingSet) / items, open.workingSet / fileBytes);
  std::printf("a list box of as many lines alone: %.0f bytes per item\n",
              listBoxBytes(items) / items);
  std::fflush(stdout);
  // A real dictionary has lines too long for an item: the load's reports
  // are answered before the program is closed.
  const DWORD pid = GetProcessId(program.process());
  for (int tries = 0; tries < 100; ++tries) {
    if (HWND report = quillmark::fakes::dialogOfProcess(pid, L"Lesson Editor Message")) {
      PostMessageW(report, WM_COMMAND, IDOK, 0);
    }
    Sleep(20);
  }
  PostMessageW(program.dialog(), WM_CLOSE, 0, 0);
  program.exits();
  return generated.fromFile || lines == items ? 0 : 1;
}
