// An opened Hanzi Bitmap Font (HBF): the parsed description file and its open
// bitmap files, translating two-byte character codes into glyph bitmaps.
// Platform-neutral: files come through platform/file.h, messages through a
// MessageReporter.
#pragma once

#include <cstdint>
#include <deque>
#include <memory>
#include <string>
#include <vector>

#include "platform/file.h"
#include "platform/message_box.h"

namespace morvane {

// Glyph or font box: size in pixels and offset of the glyph origin.
struct HbfBox {
  uint16_t width = 0;
  uint16_t height = 0;
  int16_t xOffset = 0;
  int16_t yOffset = 0;
};

struct HbfProperty {
  std::wstring name;
  std::wstring value;
};

// Inclusive range of valid second bytes of the character codes.
struct HbfByte2Range {
  uint8_t first = 0;
  uint8_t last = 0;
};

struct HbfBitmapFile {
  std::wstring name;            // resolved path
  std::unique_ptr<File> handle;
  uint64_t size = 0;            // length when opened
};

// Inclusive range of codes whose glyphs lie one after another in one file.
struct HbfCodeRange {
  uint16_t first = 0;
  uint16_t last = 0;
  HbfBitmapFile* file = nullptr;  // owned by the font's bitmapFiles
  uint32_t offset = 0;            // of the glyph of `first`
  uint32_t baseIndex = 0;         // glyph index of `first`
  uint8_t transposed = 0;         // stored column by column
  uint8_t inverted = 0;           // ink stored as 0 bits
};

class HbfFont {
 public:
  // Largest glyph side accepted; anything bigger is a damaged description.
  static constexpr int kMaxGlyphSide = 1024;
  // Most second-byte ranges a font may declare: more than there are byte
  // values can only repeat them.
  static constexpr size_t kMaxByte2Ranges = 256;
  // Glyph index of a second byte outside every range.
  static constexpr uint32_t kNoPosition = 0xFFFF;

  // Parses the description at path and opens its bitmap files. Returns none
  // on failure: silently when the file cannot be opened, otherwise after the
  // reporter has shown why ("HBF Message"). Release the font with Close.
  static HbfFont* Open(const std::wstring& path, MessageReporter& reporter = platformReporter());

  // Closes the bitmap files and deletes the font.
  void Close();

  // Reads the glyph of code into buffer (or into glyphBuffer when none),
  // height × ((width + 7) / 8) bytes in rows, 0 bits ink. Returns the buffer,
  // or none: silently for an invalid second byte, otherwise after a message.
  uint8_t* GetBitmap(uint16_t code, uint8_t* buffer);
  // GetBitmap into the caller's buffer: 0 on success, -1 on failure.
  int ReadGlyph(uint16_t code, uint8_t* buffer);

  // The value of the most recently read property of that name, or none.
  const std::wstring* GetProperty(const std::wstring& name) const;

  // Bytes of one delivered glyph: height × ((width + 7) / 8).
  uint32_t GlyphBytes() const;
  // Position of a second byte among the valid ones, or kNoPosition.
  uint32_t Byte2Position(uint8_t low) const;
  // byte2Count × high byte + Byte2Position (low byte); the code must have a
  // valid second byte.
  uint32_t GlyphIndex(uint16_t code) const;
  // The code of a glyph index, or 0 when no second-byte range holds it.
  uint32_t CodeOfIndex(uint32_t index) const;

  HbfBox bitmapBox;
  HbfBox fontBox;
  std::wstring fileName;
  std::unique_ptr<uint8_t[]> glyphBuffer;
  uint32_t byte2Count = 0;
  std::deque<HbfProperty> properties;        // most recently read first
  std::vector<HbfByte2Range> byte2Ranges;    // sorted by first
  std::vector<HbfCodeRange> codeRanges;      // sorted by first, disjoint
  std::vector<std::unique_ptr<HbfBitmapFile>> bitmapFiles;  // in opening order

 private:
  friend class HbfParser;
  explicit HbfFont(MessageReporter& reporter) : reporter_(reporter) {}
  ~HbfFont() = default;

  void report(const std::wstring& text, const wchar_t* title = L"HBF Message");
  uint8_t* failCode(const wchar_t* what, uint16_t code);

  MessageReporter& reporter_;
};

// Glyph bytes of a range as stored in its bitmap file.
uint32_t storedGlyphBytes(const HbfBox& box, bool transposed);

// Resolves a bitmap file name as written in the description against the
// description's own path: drive-absolute names stay, rooted names take the
// description's drive, others its folder.
std::wstring resolveBitmapName(const std::wstring& fontPath, const std::wstring& name);

}  // namespace morvane
