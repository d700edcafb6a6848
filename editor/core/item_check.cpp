// Checking and repairing the characters of an item.
#include "core/item_check.h"

namespace quillmark {

namespace {

constexpr wchar_t kFullWidthQuestion = 0xFF1F;
constexpr wchar_t kFullWidthSolidus = 0xFF0F;

bool isLatinText(wchar_t c) { return c == L'\t' || (c >= 0x20 && c <= 0xFF); }

bool isBelowHanzi(wchar_t c) { return static_cast<unsigned long>(c) < 0x100; }

bool hanziPasses(const std::wstring& hanzi) {
  for (wchar_t c : hanzi) {
    if (isBelowHanzi(c)) return false;
  }
  return true;
}

bool latinFieldPasses(const std::wstring& field) {
  for (wchar_t c : field) {
    if (!isLatinText(c)) return false;
  }
  return field.empty() || field.back() != L'/';
}

std::wstring fixedHanzi(std::wstring hanzi) {
  for (wchar_t& c : hanzi) {
    if (isBelowHanzi(c)) c = kFullWidthQuestion;
  }
  return hanzi;
}

bool isSurrogatePair(const std::wstring& text, size_t i) {
  return text[i] >= 0xD800 && text[i] <= 0xDBFF && i + 1 < text.size() &&
         text[i + 1] >= 0xDC00 && text[i + 1] <= 0xDFFF;
}

std::wstring fixedLatinField(const std::wstring& field) {
  std::wstring fixed;
  for (size_t i = 0; i < field.size(); ++i) {
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
  return fixed;
}

}  // namespace

bool checkItem(const EditorItem& item) {
  return hanziPasses(item.fieldText(Field::Hanzi)) &&
         latinFieldPasses(item.fieldText(Field::Reading)) &&
         latinFieldPasses(item.fieldText(Field::Meaning));
}

void fixItem(EditorItem& item) {
  item.setField(Field::Hanzi, fixedHanzi(item.fieldText(Field::Hanzi)));
  item.setField(Field::Reading, fixedLatinField(item.fieldText(Field::Reading)));
  item.setField(Field::Meaning, fixedLatinField(item.fieldText(Field::Meaning)));
}

}  // namespace quillmark
