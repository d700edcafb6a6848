// Message boxes of the lesson editor.
#include "message_prompt.h"

#include <windows.h>

namespace quillmark {

namespace {
const wchar_t kTitle[] = L"Lesson Editor Message";
}

bool MessagePrompt::askYesNo(const std::wstring& question) {
  return MessageBoxW(GetActiveWindow(), question.c_str(), kTitle, MB_YESNO) == IDYES;
}

void MessagePrompt::tell(const std::wstring& message) {
  MessageBoxW(GetActiveWindow(), message.c_str(), kTitle, MB_OK | MB_ICONWARNING);
}

}  // namespace quillmark
