// Keeping an item's three texts in one block.
#include "core/editor_item.h"

#include <algorithm>
#include <utility>

#include "core/text_blocks.h"

namespace quillmark {

namespace {

static_assert(kFieldLength - 1 <= UINT8_MAX, "a field's length must fit its counter");

bool isHighSurrogate(wchar_t c) { return c >= 0xD800 && c <= 0xDBFF; }

// How much of text a field keeps.
size_t keptLength(const std::wstring& text) {
  if (text.size() < kFieldLength) return text.size();
  const size_t n = kFieldLength - 1;
  return isHighSurrogate(text[n - 1]) ? n - 1 : n;
}

bool fitsAByte(wchar_t c) { return static_cast<unsigned long>(c) <= 0xFF; }

// No block for an empty item: a new lesson's item or a deleted last one.
char* block(size_t size) { return size > 0 ? text_blocks::allocate(size) : nullptr; }

}  // namespace

static_assert(3 * (kFieldLength - 1) * sizeof(wchar_t) <= text_blocks::kLargestBlock,
              "an item's texts fit one block");

EditorItem::~EditorItem() { takeBlock(nullptr, {}, {}); }

void EditorItem::takeBlock(char* block, const Counts& lengths, const Counts& widths) {
  if (bytes_ != nullptr) text_blocks::release(bytes_, fieldOffset(kFields));
  bytes_ = block;
  lengths_ = lengths;
  widths_ = widths;
}

EditorItem& EditorItem::operator=(const EditorItem& other) {
  if (this == &other) return *this;
  const size_t size = other.fieldOffset(kFields);
  char* copy = block(size);
  std::copy_n(other.bytes_, size, copy);
  takeBlock(copy, other.lengths_, other.widths_);
  return *this;
}

EditorItem& EditorItem::operator=(EditorItem&& other) noexcept {
  if (this == &other) return *this;
  takeBlock(std::exchange(other.bytes_, nullptr), other.lengths_, other.widths_);
  other.lengths_ = {};
  other.widths_ = {};
  return *this;
}

size_t EditorItem::fieldOffset(size_t field) const {
  size_t offset = 0;
  for (size_t i = 0; i < field; ++i) offset += fieldBytes(i);
  return offset;
}

std::wstring EditorItem::fieldText(Field field) const {
  const size_t i = static_cast<size_t>(field);
  std::wstring text(lengths_[i], L'\0');
  const char* start = bytes_ + fieldOffset(i);
  if (widths_[i] == 1) {
    std::transform(start, start + lengths_[i], text.begin(),
                   [](char c) { return static_cast<wchar_t>(static_cast<unsigned char>(c)); });
  } else {
    std::copy_n(start, fieldBytes(i), reinterpret_cast<char*>(text.data()));
  }
  return text;
}

bool EditorItem::setField(Field field, const std::wstring& text) {
  const size_t i = static_cast<size_t>(field);
  const size_t kept = keptLength(text);
  const auto end = text.begin() + static_cast<std::ptrdiff_t>(kept);
  const uint8_t width = std::all_of(text.begin(), end, fitsAByte) ? 1 : uint8_t{sizeof(wchar_t)};
  const size_t start = fieldOffset(i);
  const size_t rest = start + fieldBytes(i);
  const size_t size = fieldOffset(kFields);
  // Built anew rather than in place, so the block is never larger than the text.
  char* joined = block(start + kept * width + (size - rest));
  char* out = std::copy_n(bytes_, start, joined);
  if (width == 1) {
    out = std::transform(text.begin(), end, out, [](wchar_t c) { return static_cast<char>(c); });
  } else {
    out = std::copy_n(reinterpret_cast<const char*>(text.data()), kept * width, out);
  }
  std::copy(bytes_ + rest, bytes_ + size, out);
  Counts lengths = lengths_;
  Counts widths = widths_;
  lengths[i] = static_cast<uint8_t>(kept);
  widths[i] = width;
  takeBlock(joined, lengths, widths);
  return kept == text.size();
}

}  // namespace quillmark
