// Checking and repairing the characters of an item.
#include "core/item_check.h"

namespace quillmark {

namespace {

constexpr wchar_t kFullWidthQuestion = 0xFF1F;
constexpr wchar_t kFullWidthSolidus = 0xFF0F;

bool isLatinText(wchar_t c) { return c == L'\t' || (c >= 0x20 && c <= 0xFF); }

bool hanziPasses(const Field& hanzi) {
  for (size_t i = 0; i < kFieldLength && hanzi[i] != 0; ++i) {
    if (static_cast<unsigned long>(hanzi[i]) < 0x100) return false;
  }
  return true;
}

bool latinFieldPasses(const Field& field) {
  size_t n = 0;
  for (; n < kFieldLength && field[n] != 0; ++n) {
    if (!isLatinText(field[n])) return false;
  }
  return n == 0 || field[n - 1] != L'/';
}

void fixHanzi(Field& hanzi) {
  for (size_t i = 0; i < kFieldLength && hanzi[i] != 0; ++i) {
    if (static_cast<unsigned long>(hanzi[i]) < 0x100) hanzi[i] = kFullWidthQuestion;
  }
}

bool isSurrogatePair(const Field& field, size_t i) {
  return field[i] >= 0xD800 && field[i] <= 0xDBFF && i + 1 < kFieldLength &&
         field[i + 1] >= 0xDC00 && field[i + 1] <= 0xDFFF;
}

void fixLatinField(Field& field) {
  std::wstring fixed;
  for (size_t i = 0; i < kFieldLength && field[i] != 0; ++i) {
    wchar_t c = field[i];
    if (c == kFullWidthSolidus || (c < 0x20 && c != L'\t')) {
      fixed += L'/';
    } else if (static_cast<unsigned long>(c) > 0xFF) {
      // One character, one "?", also when UTF-16 needs two units for it.
      if (isSurrogatePair(field, i)) ++i;
      fixed += L'?';
    } else {
      fixed += c;
    }
  }
  if (!fixed.empty() && fixed.back() == L'/') fixed.pop_back();
  setField(field, fixed);
}

}  // namespace

bool checkItem(const EditorItem& item) {
  return hanziPasses(item.hanzi) && latinFieldPasses(item.reading) &&
         latinFieldPasses(item.meaning);
}

void fixItem(EditorItem& item) {
  fixHanzi(item.hanzi);
  fixLatinField(item.reading);
  fixLatinField(item.meaning);
}

}  // namespace quillmark
