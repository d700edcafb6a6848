// The three stroke databases of every GB 2312 Hanzi, built from the stroke
// data package: "strokeschs", "lgstrokeschs" and "feedbkchs" (.ind, .dat).
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace morvane::strokebuild {

// A GB 2312 Hanzi: its two-byte code and its Unicode code point.
struct HanziCode {
  uint16_t code = 0;
  uint32_t codePoint = 0;
};

// Every Hanzi of GB 2312 (rows 0xB0 to 0xF7), in rising code order.
std::vector<HanziCode> gb2312Hanzi();

// The character file of codePoint in the package folder ("啊.json").
std::string characterFile(const std::string& sourceDir, uint32_t codePoint);

struct BuildSummary {
  int characters = 0;                 // written to all three databases
  std::vector<std::string> missing;   // characters the package lacks, as UTF-8
};

// Builds the databases into outDir. False, with error set, when the package
// cannot be read or a file cannot be written; characters the package lacks
// are listed in the summary and left out.
bool buildStrokeDatabases(const std::string& sourceDir, const std::string& outDir,
                          BuildSummary& summary, std::string& error);

}  // namespace morvane::strokebuild
