// Putting lesson text and the meaning on the clipboard.
#include "app/clipboard.h"

#include <cstring>
#include <string>

#include "app/clipboard_text.h"

namespace morvane {

namespace {

// A movable block holding a copy of n bytes, as the clipboard takes it.
HGLOBAL blockOf(const void* data, size_t n) {
  HGLOBAL block = GlobalAlloc(GMEM_MOVEABLE | GMEM_ZEROINIT, n);
  if (!block) return nullptr;
  void* target = GlobalLock(block);
  if (!target) {
    GlobalFree(block);
    return nullptr;
  }
  std::memcpy(target, data, n);
  GlobalUnlock(block);
  return block;
}

// Hands a block to the clipboard, which owns it once it is accepted.
void setData(UINT format, HGLOBAL block) {
  if (block && !SetClipboardData(format, block)) GlobalFree(block);
}

}  // namespace

void copyCellsToClipboard(HWND owner, const PtrArray& cells, EncodingCode encoding) {
  const std::string bytes = cellTextBlock(cells);
  std::u16string text = cellUnicodeText(cells, encoding);
  text.push_back(0);
  if (!OpenClipboard(owner)) return;
  EmptyClipboard();
  setData(CF_TEXT, blockOf(bytes.data(), bytes.size()));
  setData(CF_UNICODETEXT, blockOf(text.data(), text.size() * sizeof(char16_t)));
  CloseClipboard();
}

void copyWindowTextToClipboard(HWND owner, HWND source) {
  const LRESULT length = SendMessageW(source, WM_GETTEXTLENGTH, 0, 0);
  if (length < 0) return;
  std::wstring text(static_cast<size_t>(length) + 1, L'\0');
  SendMessageW(source, WM_GETTEXT, text.size(), reinterpret_cast<LPARAM>(&text[0]));
  if (!OpenClipboard(owner)) return;
  EmptyClipboard();
  setData(CF_UNICODETEXT, blockOf(text.data(), text.size() * sizeof(wchar_t)));
  CloseClipboard();
}

}  // namespace morvane
