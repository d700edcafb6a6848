// The five fonts the trainer opens: their files, code spaces and sources.
// Each font is indexed by the codes the trainer's lesson readers deliver.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace morvane::fontbuild {

enum class Source { Unifont, UnifontJapanese, UmingSimplified, UmingTraditional };

struct ByteRange {
  uint8_t first;
  uint8_t last;
};

struct FontRecipe {
  std::string fileName;     // the description, as the trainer looks for it
  std::string bitmapName;   // its bitmap file, named relative to it
  std::string codeScheme;   // HBF_CODE_SCHEME
  std::string iconvName;    // charset whose bytes are the codes (after codeOffset)
  uint8_t codeOffset;       // added to both bytes before conversion (JIS row/cell -> EUC-JP)
  int pixels;
  ByteRange leads;          // first bytes covered
  std::vector<ByteRange> trails;  // valid second bytes, ascending
  Source source;
};

// dxi24, kanji24, jis16, dxib5p and uwksc-16, in that order.
std::vector<FontRecipe> trainerFonts();

}  // namespace morvane::fontbuild
