// Code page 936 conversions through the Windows code-page tables.
#include "cp936_codec.h"

#include <windows.h>

namespace quillmark {

namespace {
constexpr UINT kCodePage = 936;
}

bool Cp936Codec::encode(const std::wstring& text, std::string& out) const {
  if (text.empty()) return true;
  const int length = static_cast<int>(text.size());
  // No best-fit look-alikes: a character without a GBK form is reported.
  const DWORD flags = WC_NO_BEST_FIT_CHARS;
  int size = WideCharToMultiByte(kCodePage, flags, text.data(), length, nullptr, 0, "?", nullptr);
  if (size <= 0) {
    out.append(text.size(), '?');
    return false;
  }
  const size_t start = out.size();
  out.resize(start + size);
  BOOL usedDefault = FALSE;
  WideCharToMultiByte(kCodePage, flags, text.data(), length, &out[start], size, "?",
                      &usedDefault);
  return !usedDefault;
}

std::wstring Cp936Codec::decode(const std::string& bytes) const {
  if (bytes.empty()) return std::wstring();
  const int length = static_cast<int>(bytes.size());
  int size = MultiByteToWideChar(kCodePage, MB_PRECOMPOSED, bytes.data(), length, nullptr, 0);
  if (size <= 0) return std::wstring();
  std::wstring text(size, L'\0');
  MultiByteToWideChar(kCodePage, MB_PRECOMPOSED, bytes.data(), length, &text[0], size);
  return text;
}

}  // namespace quillmark
