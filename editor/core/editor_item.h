// One lesson item as the editor holds it: its three texts in one block of the
// size they need, so that a dictionary-sized lesson fits in a few times its
// file's size.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>
#include <utility>

namespace quillmark {

// Wide characters per field, a closing zero included: a field keeps at most
// kFieldLength - 1 characters, as many as the edit boxes take.
constexpr size_t kFieldLength = 250;

enum class Field { Hanzi, Reading, Meaning };

class EditorItem {
 public:
  EditorItem() = default;
  ~EditorItem();
  EditorItem(const EditorItem& other) { *this = other; }
  EditorItem& operator=(const EditorItem& other);
  // The other item is left empty.
  EditorItem(EditorItem&& other) noexcept { *this = std::move(other); }
  EditorItem& operator=(EditorItem&& other) noexcept;

  std::wstring fieldText(Field field) const;

  // Text too long for the field is cut before the last character that fits
  // whole (a surrogate pair is never split); returns false if anything was cut.
  bool setField(Field field, const std::wstring& text);

 private:
  static constexpr size_t kFields = 3;
  using Counts = std::array<uint8_t, kFields>;

  size_t fieldBytes(size_t field) const { return size_t{lengths_[field]} * widths_[field]; }
  // Where the field begins in bytes_; fieldOffset(kFields) is their size.
  size_t fieldOffset(size_t field) const;
  // Replaces bytes_ (and its size) with block, giving the old one back.
  void takeBlock(char* block, const Counts& lengths, const Counts& widths);

  // The Hanzi, the reading and the meaning one after another. A field whose
  // characters are all below U+0100, as a reading or a meaning is as a rule,
  // takes a byte per character instead of a wchar_t. From text_blocks; none
  // while every field is empty.
  char* bytes_ = nullptr;
  Counts lengths_{};  // characters
  Counts widths_{};   // bytes per character
};

}  // namespace quillmark
