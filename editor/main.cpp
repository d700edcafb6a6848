// Quillmark program entry: checks for code page 936, then runs the editor dialog.
#include <windows.h>

#include <clocale>
#include <mbctype.h>

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
  window.run();
  return 0;
}
