// Message boxes of the lesson editor.
#include "message_prompt.h"

#include <windows.h>

#include "popup_owner.h"

namespace quillmark {

namespace {
const wchar_t kTitle[] = L"Lesson Editor Message";
}

bool MessagePrompt::askYesNo(const std::wstring& question) {
  return MessageBoxW(popupOwner(), question.c_str(), kTitle, MB_YESNO) == IDYES;
}

void MessagePrompt::tell(const std::wstring& message) {
  MessageBoxW(popupOwner(), message.c_str(), kTitle, MB_OK | MB_ICONWARNING);
}

}  // namespace quillmark
