// How long Quillmark.exe takes to open a dictionary-sized lesson, measured as
// a user meets it: from the Open dialog's OK until the first item shows.
//   quillmark_open_benchmark.exe [ITEMS]    (120000 by default)
#include <cstdio>
#include <cstdlib>

#include "quillmark_driver.h"
#include "resource.h"
#include "win32_test_support.h"

using quillmark::fakes::QuillmarkDriver;
using quillmark::fakes::TempFolder;

namespace {

double secondsSince(const LARGE_INTEGER& start) {
  LARGE_INTEGER now, frequency;
  QueryPerformanceCounter(&now);
  QueryPerformanceFrequency(&frequency);
  return static_cast<double>(now.QuadPart - start.QuadPart) /
         static_cast<double>(frequency.QuadPart);
}

}  // namespace

int main(int argc, char** argv) {
  const int items = argc > 1 ? std::atoi(argv[1]) : 120000;
  if (items < 1) {
    std::fprintf(stderr, "usage: quillmark_open_benchmark [ITEMS]\n");
    return 2;
  }
  TempFolder folder;
  const std::wstring path = folder.path(L"dictionary.gb");
  TempFolder::writeFile(path, quillmark::fakes::dictionaryLesson(items));

  QuillmarkDriver program(QUILLMARK_EXE);
  if (!program.dialog()) {
    std::fprintf(stderr, "Quillmark did not start\n");
    return 1;
  }
  program.command(ID_FILE_OPEN);
  if (!program.chooseFile(L"Open", path)) {
    std::fprintf(stderr, "no Open dialog\n");
    return 1;
  }
  LARGE_INTEGER start;
  QueryPerformanceCounter(&start);
  HWND meaning = GetDlgItem(program.dialog(), IDC_MEANING);
  if (!program.waitForText(meaning, L"item 0", 600)) {
    std::fprintf(stderr, "the lesson did not open within 600 s\n");
    return 1;
  }
  const double seconds = secondsSince(start);
  LRESULT lines = SendDlgItemMessageW(program.dialog(), IDC_ITEM_LIST, LB_GETCOUNT, 0, 0);
  std::printf("opened %d of %d items in %.2f s\n", static_cast<int>(lines), items, seconds);
  PostMessageW(program.dialog(), WM_CLOSE, 0, 0);
  program.exits();
  return lines == items ? 0 : 1;
}
