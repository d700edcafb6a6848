// Quillmark program entry: checks for code page 936, then runs the editor dialog.
#include <windows.h>
// After windows.h, which it needs.
#include <mbctype.h>
#include <shellapi.h>

#include <clocale>
#include <string>

#include "common_file_chooser.h"
#include "cp936_codec.h"
#include "editor_window.h"
#include "file_lesson_storage.h"
#include "message_prompt.h"

namespace {

const wchar_t kMissingCodePage[] =
    L"The 936 (ANSI/OEM - Simplified Chinese GBK) code page conversion table could not be "
    L"found. Please install it from the \"Advanced\" tab in the Windows \"Regional Language "
    L"Options\" control panel.";

bool selectChineseCodePage() {
  return setlocale(LC_CTYPE, ".936") != nullptr && _setmbcp(_MB_CP_LOCALE) == 0;
}

// The lesson named on the command line ("Edit" on a lesson, a file dropped
// on the program), or none.
std::wstring lessonOnCommandLine() {
  int count = 0;
  LPWSTR* arguments = CommandLineToArgvW(GetCommandLineW(), &count);
  std::wstring path = arguments != nullptr && count > 1 ? arguments[1] : L"";
  LocalFree(arguments);
  return path;
}

}  // namespace

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int) {
  if (!selectChineseCodePage()) {
    MessageBoxW(nullptr, kMissingCodePage, L"Quillmark Message", MB_OK);
    return 1;
  }
  quillmark::MessagePrompt prompt;
  quillmark::CommonFileChooser chooser;
  quillmark::FileLessonStorage storage;
  quillmark::Cp936Codec codec;
  quillmark::EditorWindow window(instance, prompt, chooser, storage, codec);
  window.openAtStart(lessonOnCommandLine());
  window.run();
  return 0;
}
