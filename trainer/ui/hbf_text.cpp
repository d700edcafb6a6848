// Keyword, property and field scanning of HBF description lines.
#include "ui/hbf_text.h"

namespace morvane {

namespace {

// Whitespace as the C library's formatted scan skips it.
bool isScanSpace(wchar_t c) { return c == L' ' || (c >= L'\t' && c <= L'\r'); }

int digitValue(wchar_t c) {
  if (c >= L'0' && c <= L'9') return c - L'0';
  if (c >= L'a' && c <= L'f') return c - L'a' + 10;
  if (c >= L'A' && c <= L'F') return c - L'A' + 10;
  return 99;
}

}  // namespace

bool isHbfSpace(wchar_t c) { return c == L'\t' || c == L'\n' || c == L'\r' || c == L' '; }

bool matchesKeyword(const std::wstring& line, const wchar_t* keyword) {
  size_t n = std::char_traits<wchar_t>::length(keyword);
  if (line.compare(0, n, keyword) != 0) return false;
  return line.size() == n || isHbfSpace(line[n]);
}

std::vector<std::wstring> splitWords(const std::wstring& line) {
  std::vector<std::wstring> words;
  size_t i = 0;
  while (i < line.size()) {
    while (i < line.size() && isHbfSpace(line[i])) ++i;
    size_t start = i;
    while (i < line.size() && !isHbfSpace(line[i])) ++i;
    if (i > start) words.push_back(line.substr(start, i - start));
  }
  return words;
}

void parseProperty(const std::wstring& line, std::wstring& name, std::wstring& value) {
  size_t i = 0;
  while (i < line.size() && !isHbfSpace(line[i])) ++i;
  name = line.substr(0, i);
  while (i < line.size() && isHbfSpace(line[i])) ++i;
  value.clear();
  if (i < line.size() && line[i] == L'"') {
    for (++i; i < line.size(); ++i) {
      if (line[i] == L'"') {
        if (i + 1 < line.size() && line[i + 1] == L'"') {
          value += L'"';
          ++i;
        } else {
          break;
        }
      } else {
        value += line[i];
      }
    }
    return;
  }
  for (const std::wstring& w : splitWords(line.substr(i))) {
    if (!value.empty()) value += L' ';
    value += w;
  }
}

void FieldScanner::skipSpace() {
  while (pos_ < text_.size() && isScanSpace(text_[pos_])) ++pos_;
}

bool FieldScanner::literal(const wchar_t* expected) {
  size_t n = std::char_traits<wchar_t>::length(expected);
  if (text_.compare(pos_, n, expected) != 0) return false;
  pos_ += n;
  return true;
}

bool FieldScanner::integer(int32_t& value) {
  skipSpace();
  size_t i = pos_;
  bool negative = false;
  if (i < text_.size() && (text_[i] == L'+' || text_[i] == L'-')) negative = text_[i++] == L'-';
  int base = 10;
  if (i < text_.size() && text_[i] == L'0') {
    base = 8;
    if (i + 2 < text_.size() && (text_[i + 1] == L'x' || text_[i + 1] == L'X') &&
        digitValue(text_[i + 2]) < 16) {
      base = 16;
      i += 2;
    }
  }
  uint64_t magnitude = 0;
  size_t digitsStart = i;
  while (i < text_.size() && digitValue(text_[i]) < base) {
    magnitude = magnitude * base + digitValue(text_[i]);
    if (magnitude > 0xFFFFFFFFu) magnitude = 0x100000000u;  // clamp, keep scanning digits
    ++i;
  }
  if (i == digitsStart) return false;
  if (magnitude > 0xFFFFFFFFu) magnitude = 0xFFFFFFFFu;
  uint32_t bits = static_cast<uint32_t>(magnitude);
  if (negative) bits = 0u - bits;
  value = static_cast<int32_t>(bits);
  pos_ = i;
  return true;
}

bool FieldScanner::word(std::wstring& value) {
  skipSpace();
  size_t start = pos_;
  while (pos_ < text_.size() && !isScanSpace(text_[pos_])) ++pos_;
  if (pos_ == start) return false;
  value = text_.substr(start, pos_ - start);
  return true;
}

std::wstring hexNumber(uint32_t value, int digits) {
  static const wchar_t kDigits[] = L"0123456789abcdef";
  std::wstring out;
  do {
    out.insert(out.begin(), kDigits[value & 15]);
    value >>= 4;
  } while (value != 0);
  while (static_cast<int>(out.size()) < digits) out.insert(out.begin(), L'0');
  return L"0x" + out;
}

}  // namespace morvane
