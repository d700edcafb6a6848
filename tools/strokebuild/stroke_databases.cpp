// The build over a character set's Hanzi: each character's file is read and
// drawn once, and its three records go to the three databases under its code.
#include "stroke_databases.h"

#include <fstream>
#include <iterator>

#include "character_strokes.h"
#include "code_converter.h"
#include "database_writer.h"
#include "platform/utf8.h"
#include "strokes/feedback_database.h"
#include "strokes/stroke_database.h"

namespace morvane::strokebuild {

namespace {

constexpr uint8_t kFirstHanziRow = 0xB0;
constexpr uint8_t kLastHanziRow = 0xF7;
constexpr uint8_t kFirstCell = 0xA1;
constexpr uint8_t kLastCell = 0xFE;

// Big5's two levels of Hanzi, as code ranges.
struct CodeRange {
  uint16_t first, last;
};
constexpr CodeRange kBig5Levels[] = {{0xA440, 0xC67E}, {0xC940, 0xF9D5}};

bool isBig5Trail(int byte) {
  return (byte >= 0x40 && byte <= 0x7E) || (byte >= 0xA1 && byte <= 0xFE);
}

std::string utf8Of(uint32_t codePoint) {
  return toUtf8(std::wstring(1, static_cast<wchar_t>(codePoint)));
}

bool readWholeFile(const std::string& path, std::string& text) {
  std::ifstream in(path, std::ios::binary);
  if (!in) return false;
  text.assign(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
  return true;
}

// Appends the character's records to the three databases; false when one does
// not fit its format (the build then stops).
bool writeCharacter(uint16_t code, const CharacterRecords& records, DatabaseWriter& small,
                    DatabaseWriter& large, DatabaseWriter& feedback) {
  return records.small->Write(small.beginRecord(code), true) &&
         records.large->Write(large.beginRecord(code), false) &&
         writeFeedbackRecords(feedback.beginRecord(code), records.feedback);
}

}  // namespace

std::vector<HanziCode> gb2312Hanzi() {
  std::vector<HanziCode> codes;
  fontbuild::CodeConverter converter;
  if (!converter.open("GB2312")) return codes;
  for (int row = kFirstHanziRow; row <= kLastHanziRow; ++row) {
    for (int cell = kFirstCell; cell <= kLastCell; ++cell) {
      const uint32_t codePoint =
          converter.toUnicode(static_cast<uint8_t>(row), static_cast<uint8_t>(cell));
      if (codePoint != 0) codes.push_back({static_cast<uint16_t>(row << 8 | cell), codePoint});
    }
  }
  return codes;
}

std::vector<HanziCode> big5Hanzi() {
  std::vector<HanziCode> codes;
  fontbuild::CodeConverter converter;
  if (!converter.open("BIG5")) return codes;
  for (const CodeRange& level : kBig5Levels) {
    for (int code = level.first; code <= level.last; ++code) {
      if (!isBig5Trail(code & 0xFF)) continue;
      const uint32_t codePoint =
          converter.toUnicode(static_cast<uint8_t>(code >> 8), static_cast<uint8_t>(code & 0xFF));
      if (codePoint != 0) codes.push_back({static_cast<uint16_t>(code), codePoint});
    }
  }
  return codes;
}

std::string characterFile(const std::string& sourceDir, uint32_t codePoint) {
  return sourceDir + "/" + utf8Of(codePoint) + ".json";
}

bool buildStrokeDatabases(const std::string& sourceDir, const std::string& outDir,
                          const std::vector<HanziCode>& hanzi, const StrokeDatabases& names,
                          BuildSummary& summary, std::string& error) {
  if (hanzi.empty()) {
    error = "no Hanzi to build (iconv cannot convert the character set)";
    return false;
  }
  CellRasterizer rasterizer;
  if (!rasterizer.ready()) {
    error = "cannot start FreeType";
    return false;
  }
  DatabaseWriter small, large, feedback;
  for (const HanziCode& character : hanzi) {
    std::string json;
    if (!readWholeFile(characterFile(sourceDir, character.codePoint), json)) {
      summary.missing.push_back(utf8Of(character.codePoint));
      continue;
    }
    CharacterStrokes strokes;
    CharacterRecords records;
    if (!parseCharacterStrokes(json, strokes, error) ||
        !buildCharacterRecords(strokes, rasterizer, records, error)) {
      error = utf8Of(character.codePoint) + ": " + error;
      return false;
    }
    if (!writeCharacter(character.code, records, small, large, feedback)) {
      error = utf8Of(character.codePoint) + ": a record does not fit its format";
      return false;
    }
    ++summary.characters;
  }
  if (summary.characters == 0) {
    error = "no character files in " + sourceDir;
    return false;
  }
  return small.save(outDir, toUtf8(names.small), error) &&
         large.save(outDir, toUtf8(names.large), error) &&
         feedback.save(outDir, toUtf8(names.feedback), error);
}

}  // namespace morvane::strokebuild
