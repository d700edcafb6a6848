// CC-CEDICT line parsing.
#include "cedict_words.h"

#include "platform/utf8.h"
#include "unicode_text.h"

namespace morvane {

namespace {

// Cross-references in senses name both forms, "個|个[ge4]": keep the chosen one.
std::u32string chooseReferenceForms(const std::u32string& sense, CedictForm form) {
  std::u32string out;
  size_t i = 0;
  while (i < sense.size()) {
    size_t bar = sense.find(U'|', i);
    if (bar == std::u32string::npos) break;
    size_t left = bar;
    while (left > i && sense[left - 1] > 0x7F && !isSpaceChar(sense[left - 1])) --left;
    size_t right = bar + 1;
    while (right < sense.size() && sense[right] > 0x7F && !isSpaceChar(sense[right])) ++right;
    out.append(sense, i, left - i);
    if (left == bar || right == bar + 1) {
      out += U'|';  // not between two words
    } else if (form == CedictForm::Simplified) {
      out.append(sense, bar + 1, right - bar - 1);
    } else {
      out.append(sense, left, bar - left);
    }
    i = right;
  }
  out.append(sense, i, std::u32string::npos);
  return out;
}

}  // namespace

bool parseCedictLine(const std::string& line, CedictForm form, WordEntry& entry) {
  std::u32string text = codePointsFromUtf8(line);
  while (!text.empty() && (text.back() == U'\r' || text.back() == U' ')) text.pop_back();
  size_t firstSpace = text.find(U' ');
  if (firstSpace == 0 || firstSpace == std::u32string::npos) return false;
  size_t secondSpace = text.find(U' ', firstSpace + 1);
  if (secondSpace == std::u32string::npos || secondSpace == firstSpace + 1) return false;
  size_t open = secondSpace + 1;
  if (open >= text.size() || text[open] != U'[') return false;
  size_t close = text.find(U']', open);
  if (close == std::u32string::npos) return false;
  size_t firstSlash = text.find(U'/', close);
  if (firstSlash == std::u32string::npos || text.back() != U'/' || firstSlash + 1 >= text.size()) {
    return false;
  }
  if (!trimmed(text.substr(close + 1, firstSlash - close - 1)).empty()) return false;
  entry.hanzi = form == CedictForm::Simplified
                    ? text.substr(firstSpace + 1, secondSpace - firstSpace - 1)
                    : text.substr(0, firstSpace);
  entry.reading = trimmed(text.substr(open + 1, close - open - 1));
  entry.meaning =
      chooseReferenceForms(text.substr(firstSlash + 1, text.size() - 1 - firstSlash - 1), form);
  return true;
}

bool looksLikeCedictLine(const std::string& line) {
  WordEntry entry;
  return line.find('\t') == std::string::npos &&
         parseCedictLine(line, CedictForm::Simplified, entry);
}

CedictWordSource::CedictWordSource(std::istream& in, CedictForm form, InputProblems& problems)
    : in_(in), form_(form), problems_(problems) {}

bool CedictWordSource::next(WordEntry& entry) {
  std::string line;
  while (std::getline(in_, line)) {
    ++lineNumber_;
    if (lineNumber_ == 1 && line.compare(0, 3, "\xEF\xBB\xBF") == 0) line.erase(0, 3);
    if (line.empty() || line[0] == '#' || line == "\r") continue;
    if (parseCedictLine(line, form_, entry)) {
      entry.line = lineNumber_;
      return true;
    }
    problems_.skippedLine(lineNumber_, "not a CC-CEDICT entry");
  }
  return false;
}

}  // namespace morvane
