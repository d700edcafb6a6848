// Tallies of a conversion and its summary text.
#include "conversion_report.h"

#include "platform/utf8.h"

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

namespace {

const size_t kListedExamples = 10;
const size_t kExampleChars = 24;

std::string shortText(const std::u32string& text) {
  if (text.size() <= kExampleChars) return utf8FromCodePoints(text);
  return utf8FromCodePoints(text.substr(0, kExampleChars)) + "...";
}

}  // namespace

void ConversionReport::leftOut(const WordEntry& entry, const std::string& why,
                               const std::string& detail) {
  ++leftOutCount_;
  add(leftOutReasons_, entry.line, why, detail);
  Tally& tally = leftOutReasons_[why];
  if (tally.examples.size() < kListedExamples) {
    tally.examples.push_back("line " + std::to_string(entry.line) + ": " + shortText(entry.hanzi) +
                             " [" + shortText(entry.reading) + "]");
  }
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
      for (const std::string& example : tally.examples) out << "    " << example << "\n";
      if (tally.count > static_cast<int64_t>(tally.examples.size()) && !tally.examples.empty()) {
        out << "    and " << tally.count - static_cast<int64_t>(tally.examples.size()) << " more\n";
      }
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
