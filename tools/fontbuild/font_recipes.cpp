// The code spaces and sources of the trainer's five fonts.
#include "font_recipes.h"

namespace morvane::fontbuild {

// Every code a lesson reader can hand over is covered, not only the codes the
// standard assigns: an uncovered code would cost the user a message box each
// time it is drawn, where a placeholder box is quietly visible.
std::vector<FontRecipe> trainerFonts() {
  const ByteRange gb{0xA0, 0xFF};         // GB reader: both bytes 0xA0-0xFF
  const ByteRange jis{0x20, 0x7F};        // EUC-JP reader: row and cell folded to 0x20-0x7F
  const ByteRange ks{0xA1, 0xFE};
  return {
      {"dxi24.hbf", "dxi24.bin", "GB2312-1980", "EUC-CN", 0, 24, gb, {gb}, Source::UmingSimplified},
      {"kanji24.hbf", "kanji24.bin", "JISX0208-1990", "EUC-JP", 0x80, 24, jis, {jis},
       Source::UmingSimplified},
      {"jis16.hbf", "jis16.bin", "JISX0208-1990", "EUC-JP", 0x80, 16, jis, {jis},
       Source::UnifontJapanese},
      {"dxib5p.hbf", "dxib5p.bin", "Big5", "BIG5", 0, 24, {0xA1, 0xFE}, {{0x40, 0x7E}, {0xA1, 0xFE}},
       Source::UmingTraditional},
      {"uwksc-16.hbf", "uwksc-16.bin", "KSX1001-1992", "EUC-KR", 0, 16, ks, {ks}, Source::Unifont},
  };
}

}  // namespace morvane::fontbuild
