// HbfFont: opening and parsing the description file, opening bitmap files.
#include "ui/hbf_font.h"

#include <new>

#include "ui/hbf_line_reader.h"
#include "ui/hbf_text.h"

namespace morvane {

namespace {

bool isAsciiLetter(wchar_t c) { return (c >= L'a' && c <= L'z') || (c >= L'A' && c <= L'Z'); }

bool hasDrive(const std::wstring& path) {
  return path.size() >= 2 && isAsciiLetter(path[0]) && path[1] == L':';
}

// Device paths use backslashes; forward slashes are accepted as well so that
// fonts also resolve on hosts whose paths use them.
bool isSeparator(wchar_t c) { return c == L'\\' || c == L'/'; }

}  // namespace

std::wstring resolveBitmapName(const std::wstring& fontPath, const std::wstring& name) {
  if (hasDrive(name)) return name;
  if (!name.empty() && isSeparator(name[0])) {
    return hasDrive(fontPath) ? fontPath.substr(0, 2) + name : name;
  }
  size_t cut = 0;
  for (size_t i = 0; i < fontPath.size(); ++i) {
    if (isSeparator(fontPath[i])) cut = i + 1;
  }
  return fontPath.substr(0, cut) + name;
}

// The grammar of the description file, in the order its parts must appear.
class HbfParser {
 public:
  HbfParser(HbfFont& font, File& file) : font_(font), lines_(file) {}

  bool parse() {
    static const wchar_t* const kHeader[] = {L"HBF_START_FONT", L"HBF_CODE_SCHEME", L"FONT",
                                             L"SIZE"};
    for (const wchar_t* keyword : kHeader) {
      if (!next()) return false;
      if (!matchesKeyword(line_, keyword)) return expected(keyword);
      addProperty();
    }
    if (!next() || !parseBox(L"HBF_BITMAP_BOUNDING_BOX", font_.bitmapBox)) return false;
    if (!next() || !parseBox(L"FONTBOUNDINGBOX", font_.fontBox)) return false;
    if (!next()) return false;
    if (matchesKeyword(line_, L"STARTPROPERTIES")) {
      if (!propertiesUntil(L"ENDPROPERTIES") || !next()) return false;
    }
    if (matchesKeyword(line_, L"CHARS")) {
      if (!next()) return false;
    }
    if (matchesKeyword(line_, L"HBF_START_BYTE_2_RANGES")) {
      if (!parseByte2Ranges() || !next()) return false;
    } else {
      font_.byte2Ranges.push_back(HbfByte2Range{0, 255});
    }
    for (const HbfByte2Range& r : font_.byte2Ranges) font_.byte2Count += r.last - r.first + 1u;
    if (!matchesKeyword(line_, L"HBF_START_CODE_RANGES")) {
      return fail(L"HBF_START_CODE_RANGES expected");
    }
    for (;;) {
      if (!next()) return false;
      if (matchesKeyword(line_, L"HBF_END_CODE_RANGES")) break;
      if (!parseCodeRange()) return false;
    }
    return propertiesUntil(L"HBF_END_FONT");
  }

 private:
  bool next() {
    if (lines_.readSignificantLine(line_)) return true;
    return fail(L"unexpected end of file");
  }

  bool fail(const std::wstring& message) {
    font_.report(message);
    return false;
  }

  bool expected(const wchar_t* keyword) { return fail(std::wstring(keyword) + L" expected"); }

  void addProperty() {
    HbfProperty p;
    parseProperty(line_, p.name, p.value);
    font_.properties.push_front(std::move(p));
  }

  bool propertiesUntil(const wchar_t* endKeyword) {
    for (;;) {
      if (!next()) return false;
      if (matchesKeyword(line_, endKeyword)) return true;
      addProperty();
    }
  }

  bool parseBox(const wchar_t* keyword, HbfBox& box) {
    if (!matchesKeyword(line_, keyword)) return expected(keyword);
    FieldScanner scan(line_, std::char_traits<wchar_t>::length(keyword));
    int32_t v[4];
    for (int32_t& field : v) {
      if (!scan.integer(field)) return expected(keyword);
    }
    if (v[0] < 1 || v[1] < 1 || v[0] > HbfFont::kMaxGlyphSide || v[1] > HbfFont::kMaxGlyphSide) {
      return fail(L"illegal " + std::wstring(keyword) + L" dimensions " +
                  std::to_wstring(v[0]) + L"x" + std::to_wstring(v[1]));
    }
    box.width = static_cast<uint16_t>(v[0]);
    box.height = static_cast<uint16_t>(v[1]);
    box.xOffset = static_cast<int16_t>(v[2]);
    box.yOffset = static_cast<int16_t>(v[3]);
    return true;
  }

  bool parseByte2Ranges() {
    for (;;) {
      if (!next()) return false;
      if (matchesKeyword(line_, L"HBF_END_BYTE_2_RANGES")) return true;
      FieldScanner scan(line_);
      int32_t first, last;
      if (!scan.literal(L"HBF_BYTE_2_RANGE") || !scan.integer(first) || !scan.literal(L"-") ||
          !scan.integer(last)) {
        return fail(L"HBF_BYTE_2_RANGE expected");
      }
      HbfByte2Range range{static_cast<uint8_t>(first), static_cast<uint8_t>(last)};
      // A reversed range would make the count of second bytes meaningless.
      if (range.last < range.first || font_.byte2Ranges.size() == HbfFont::kMaxByte2Ranges) {
        return fail(L"HBF_BYTE_2_RANGE expected");
      }
      auto& ranges = font_.byte2Ranges;
      auto at = ranges.begin();
      while (at != ranges.end() && at->first < range.first) ++at;
      ranges.insert(at, range);
    }
  }

  bool parseCodeRange() {
    FieldScanner scan(line_);
    int32_t first, last, offset;
    std::wstring name;
    if (!scan.literal(L"HBF_CODE_RANGE") || !scan.integer(first) || !scan.literal(L"-") ||
        !scan.integer(last) || !scan.word(name) || !scan.integer(offset)) {
      return fail(L"syntax error in HBF_CODE_RANGE");
    }
    HbfBitmapFile* file = bitmapFile(name);
    if (!file) return false;

    HbfCodeRange range;
    range.first = static_cast<uint16_t>(first);
    range.last = static_cast<uint16_t>(last);
    range.file = file;
    range.offset = static_cast<uint32_t>(offset);
    std::vector<std::wstring> words = splitWords(line_);
    for (size_t i = 4; i < words.size(); ++i) {
      wchar_t c = words[i][0];
      if (c == L'I' || c == L'i') range.inverted = 1;
      if (c == L'S' || c == L's' || c == L'T' || c == L't') range.transposed = 1;
    }

    auto& ranges = font_.codeRanges;
    auto at = ranges.begin();
    while (at != ranges.end() && at->last < range.first) ++at;
    if (at != ranges.end() && range.last >= at->first) return fail(L"code ranges overlap");
    if (range.last < range.first) {
      return fail(L"illegal code range " + hexNumber(range.first) + L"-" + hexNumber(range.last));
    }
    if (font_.Byte2Position(range.first & 0xFF) == HbfFont::kNoPosition) {
      return fail(L"illegal start code " + hexNumber(range.first));
    }
    range.baseIndex = font_.GlyphIndex(range.first);
    if (font_.Byte2Position(range.last & 0xFF) == HbfFont::kNoPosition) {
      return fail(L"illegal finish code " + hexNumber(range.last));
    }
    if (!checkLength(range)) return false;
    ranges.insert(at, range);
    return true;
  }

  // Finds the record for a name as written, or opens the file it resolves to.
  HbfBitmapFile* bitmapFile(const std::wstring& written) {
    for (auto& f : font_.bitmapFiles) {
      if (f->name == written) return f.get();
    }
    std::unique_ptr<HbfBitmapFile> record(new (std::nothrow) HbfBitmapFile);
    if (!record) {
      font_.report(L"out of memory", L"HBF Font Message");
      return nullptr;
    }
    record->name = resolveBitmapName(font_.fileName, written);
    record->handle = openFileForRead(record->name);
    if (!record->handle) {
      fail(L"can't open bitmap file '" + record->name + L"'");
      return nullptr;
    }
    int64_t size = record->handle->size();
    record->size = size > 0 ? static_cast<uint64_t>(size) : 0;
    font_.bitmapFiles.push_back(std::move(record));
    return font_.bitmapFiles.back().get();
  }

  // Sizes in 64 bits: offsets and glyph counts of a hostile file must not wrap.
  bool checkLength(const HbfCodeRange& range) {
    const std::wstring& name = range.file->name;
    uint64_t glyph = storedGlyphBytes(font_.bitmapBox, range.transposed);
    uint64_t count = uint64_t{font_.GlyphIndex(range.last)} - range.baseIndex + 1;
    uint64_t size = range.file->size;
    if (size >= range.offset + glyph * count) return true;
    if (size < range.offset) {
      return fail(L"bitmap file '" + name + L"' is shorter than offset " + hexNumber(range.offset));
    }
    if (size < range.offset + glyph) {
      return fail(L"bitmap file '" + name + L"' too short: no room for any bitmaps at offset " +
                  hexNumber(range.offset));
    }
    // The code one below the first glyph that is missing: at a row end or a
    // gap in the second bytes that is not itself a valid code.
    uint64_t whole = (size - range.offset) / glyph;
    uint32_t firstMissing = font_.CodeOfIndex(static_cast<uint32_t>(range.baseIndex + whole));
    return fail(L"bitmap file '" + name + L"' is too short - code range appears to be " +
                hexNumber(range.first) + L"-" + hexNumber(firstMissing - 1));
  }

  HbfFont& font_;
  HbfLineReader lines_;
  std::wstring line_;
};

HbfFont* HbfFont::Open(const std::wstring& path, MessageReporter& reporter) {
  std::unique_ptr<File> file = openFileForRead(path);
  if (!file) return nullptr;
  HbfFont* font = new (std::nothrow) HbfFont(reporter);
  if (!font) {
    reporter.show(L"can't allocate HBF structure", L"HBF Message");
    return nullptr;
  }
  font->fileName = path;
  bool ok = HbfParser(*font, *file).parse();
  if (!ok) {
    font->Close();
    return nullptr;
  }
  return font;
}

void HbfFont::Close() { delete this; }

const std::wstring* HbfFont::GetProperty(const std::wstring& name) const {
  for (const HbfProperty& p : properties) {
    if (p.name == name) return &p.value;
  }
  return nullptr;
}

void HbfFont::report(const std::wstring& text, const wchar_t* title) { reporter_.show(text, title); }

}  // namespace morvane
