// Copying text into and out of the fixed-size item fields.
#include "core/editor_item.h"

namespace quillmark {

namespace {

bool isHighSurrogate(wchar_t c) { return c >= 0xD800 && c <= 0xDBFF; }

}  // namespace

std::wstring fieldText(const Field& field) {
  size_t n = 0;
  while (n < kFieldLength && field[n] != 0) ++n;
  return std::wstring(field, n);
}

bool setField(Field& field, const std::wstring& text) {
  size_t n = text.size();
  bool whole = n < kFieldLength;
  if (!whole) {
    n = kFieldLength - 1;
    if (isHighSurrogate(text[n - 1])) --n;
  }
  text.copy(field, n);
  field[n] = 0;
  return whole;
}

}  // namespace quillmark
