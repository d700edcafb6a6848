// Small fakes shared by the editor's tests: a code-page stand-in that knows a
// few Hanzi, an in-memory byte source, and an item builder.
#pragma once

#include <algorithm>
#include <cstring>
#include <string>

#include "core/editor_item.h"
#include "core/text_codec.h"

namespace quillmark::fakes {

// ASCII as itself, and 你 好 中 as their code page 936 bytes.
class FakeCodec : public TextCodec {
 public:
  bool encode(const std::wstring& text, std::string& out) const override {
    bool whole = true;
    for (wchar_t c : text) {
      if (static_cast<unsigned long>(c) < 0x80) {
        out += static_cast<char>(c);
      } else if (const char* bytes = gbkOf(c)) {
        out += bytes;
      } else {
        out += '?';
        whole = false;
      }
    }
    return whole;
  }

  std::wstring decode(const std::string& bytes) const override {
    std::wstring text;
    for (size_t i = 0; i < bytes.size(); ++i) {
      unsigned char b = static_cast<unsigned char>(bytes[i]);
      if (b < 0x80) {
        text += static_cast<wchar_t>(b);
      } else if (i + 1 < bytes.size()) {
        text += charOf(bytes.substr(i, 2));
        ++i;
      } else {
        text += L'\xFFFD';
      }
    }
    return text;
  }

 private:
  struct Pair {
    wchar_t wide;
    const char* bytes;
  };
  static constexpr Pair kTable[] = {
      {L'\x4F60', "\xC4\xE3"}, {L'\x597D', "\xBA\xC3"}, {L'\x4E2D', "\xD6\xD0"}};

  static const char* gbkOf(wchar_t c) {
    for (const Pair& p : kTable) {
      if (p.wide == c) return p.bytes;
    }
    return nullptr;
  }
  static wchar_t charOf(const std::string& two) {
    for (const Pair& p : kTable) {
      if (two == p.bytes) return p.wide;
    }
    return L'\xFFFD';
  }
};

class StringSource : public ByteSource {
 public:
  explicit StringSource(std::string bytes) : bytes_(std::move(bytes)) {}
  size_t read(char* buffer, size_t n) override {
    size_t count = std::min(n, bytes_.size() - pos_);
    std::memcpy(buffer, bytes_.data() + pos_, count);
    pos_ += count;
    return count;
  }

 private:
  std::string bytes_;
  size_t pos_ = 0;
};

inline EditorItem makeItem(const std::wstring& hanzi, const std::wstring& reading,
                           const std::wstring& meaning) {
  EditorItem item;
  item.setField(Field::Hanzi, hanzi);
  item.setField(Field::Reading, reading);
  item.setField(Field::Meaning, meaning);
  return item;
}

// 你好, 中
const std::wstring kNiHao = L"\x4F60\x597D";
const std::wstring kZhong = L"\x4E2D";
const std::string kNiHaoBytes = "\xC4\xE3\xBA\xC3";

}  // namespace quillmark::fakes
