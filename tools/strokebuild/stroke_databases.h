// The three stroke databases of a character set's Hanzi, built from the
// stroke data package: for GB 2312 "strokeschs", "lgstrokeschs" and
// "feedbkchs", for Big5 "strokescht", "lgstrokescht" and "feedbkcht"
// (.ind, .dat), keyed by the set's two-byte codes.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "strokes/stroke_database.h"

namespace morvane::strokebuild {

// A Hanzi of a double-byte set: its code (first byte × 256 + second byte)
// and its Unicode code point.
struct HanziCode {
  uint16_t code = 0;
  uint32_t codePoint = 0;
};

// Every Hanzi of GB 2312 (rows 0xB0 to 0xF7), in rising code order.
std::vector<HanziCode> gb2312Hanzi();
// Every Hanzi of Big5's two levels (0xA440 to 0xC67E and 0xC940 to 0xF9D5,
// second bytes 0x40 to 0x7E and 0xA1 to 0xFE), in rising code order.
std::vector<HanziCode> big5Hanzi();

// The character file of codePoint in the package folder ("啊.json").
std::string characterFile(const std::string& sourceDir, uint32_t codePoint);

struct BuildSummary {
  int characters = 0;                // written to all three databases
  std::vector<std::string> missing;  // characters the package lacks, as UTF-8
};

// Builds the databases of these Hanzi into outDir. False, with error set,
// when the package cannot be read or a file cannot be written; characters
// the package lacks are listed in the summary and left out.
bool buildStrokeDatabases(const std::string& sourceDir, const std::string& outDir,
                          const std::vector<HanziCode>& hanzi, const StrokeDatabases& names,
                          BuildSummary& summary, std::string& error);

}  // namespace morvane::strokebuild
