// Clipboard reading for the Windows tests.
#include "clipboard_reader.h"

namespace morvane::fakes {

std::string clipboardBytes(UINT format) {
  std::string bytes;
  if (!OpenClipboard(nullptr)) return bytes;
  if (HANDLE data = GetClipboardData(format)) {
    if (const char* p = static_cast<const char*>(GlobalLock(data))) {
      bytes.assign(p, GlobalSize(data));
    }
    GlobalUnlock(data);
  }
  CloseClipboard();
  return bytes;
}

std::wstring clipboardUnicode() {
  const std::string bytes = clipboardBytes(CF_UNICODETEXT);
  std::wstring text(reinterpret_cast<const wchar_t*>(bytes.data()), bytes.size() / 2);
  return text.substr(0, text.find(L'\0'));
}

}  // namespace morvane::fakes
