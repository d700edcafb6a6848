// Tallies of a conversion and its summary text.
#include "conversion_report.h"

namespace morvane {

void ConversionReport::add(std::map<std::string, Tally>& tallies, int64_t line,
                           const std::string& what, const std::string& detail) {
  Tally& tally = tallies[what];
  if (tally.count++ == 0) {
    tally.firstLine = line;
    tally.firstDetail = detail;
  }
}

void ConversionReport::skippedLine(int64_t line, const std::string& why) {
  ++skippedCount_;
  add(skippedReasons_, line, why);
}

void ConversionReport::leftOut(int64_t line, const std::string& why, const std::string& detail) {
  ++leftOutCount_;
  add(leftOutReasons_, line, why, detail);
}

void ConversionReport::changed(int64_t line, const std::string& kind, const std::string& detail) {
  add(changes_, line, kind, detail);
}

int64_t ConversionReport::changeCount(const std::string& kind) const {
  auto found = changes_.find(kind);
  return found == changes_.end() ? 0 : found->second.count;
}

void ConversionReport::writeSummary(std::ostream& out) const {
  auto list = [&out](const std::map<std::string, Tally>& tallies, const char* unit) {
    for (const auto& [what, tally] : tallies) {
      out << "  " << what << ": " << tally.count << " " << unit << (tally.count == 1 ? "" : "s")
          << ", first at line " << tally.firstLine;
      if (!tally.firstDetail.empty()) out << " (" << tally.firstDetail << ")";
      out << "\n";
    }
  };
  out << written_ << (written_ == 1 ? " item" : " items") << " written, " << leftOutCount_
      << " left out";
  if (skippedCount_ > 0) out << ", " << skippedCount_ << " input lines skipped";
  out << "\n";
  list(leftOutReasons_, "item");
  list(skippedReasons_, "line");
  if (!changes_.empty()) out << "changes:\n";
  list(changes_, "time");
}

}  // namespace morvane
