// Setting names and values.
#include "app/settings.h"

#include <cwchar>

namespace morvane {

const wchar_t* const kModeNames[kModeCount] = {L"Normal", L"Quiz 25", L"Quiz 50", L"Review"};

const wchar_t* modeName(int32_t code) {
  if (code < kFirstModeCode || code >= kFirstModeCode + kModeCount) return nullptr;
  return kModeNames[code - kFirstModeCode];
}

int32_t modeFromValue(const wchar_t* value, size_t byteCount) {
  if (value == nullptr) return -1;
  const size_t chars = byteCount / sizeof(wchar_t);
  if (wmemchr(value, L'\0', chars) == nullptr) return -1;
  for (int i = 0; i < kModeCount; ++i) {
    if (wcscmp(value, kModeNames[i]) == 0) return kFirstModeCode + i;
  }
  return -1;
}

}  // namespace morvane
