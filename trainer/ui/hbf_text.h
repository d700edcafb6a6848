// Text helpers of the HBF description grammar: line-level keyword tests,
// property values and the scanf-like field scanning the format is defined by.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace morvane {

// Tab, line feed, carriage return and space: the format's only whitespace.
bool isHbfSpace(wchar_t c);

// True when line begins with keyword, followed by its end or by whitespace.
bool matchesKeyword(const std::wstring& line, const wchar_t* keyword);

// The line split at whitespace.
std::vector<std::wstring> splitWords(const std::wstring& line);

// A property line as (name, value): the value is a double-quoted string (two
// quotes stand for one) or the remaining words joined by single spaces.
void parseProperty(const std::wstring& line, std::wstring& name, std::wstring& value);

// Walks a line the way a formatted scan would: literals must match exactly,
// integers read as "%i" does (decimal, 0x hexadecimal, leading-0 octal).
class FieldScanner {
 public:
  explicit FieldScanner(const std::wstring& text, size_t from = 0) : text_(text), pos_(from) {}

  // Consumes the literal text; false (and nothing consumed) if it differs.
  bool literal(const wchar_t* expected);
  // Reads one integer after optional whitespace. Values beyond 32 bits are
  // clamped; the result keeps the low 32 bits as a formatted scan into a
  // 32-bit long would.
  bool integer(int32_t& value);
  // Reads one word (run of non-whitespace) after optional whitespace.
  bool word(std::wstring& value);

 private:
  void skipSpace();
  const std::wstring& text_;
  size_t pos_;
};

// "0x" with at least `digits` lower-case hexadecimal digits, as "%04lx" prints.
std::wstring hexNumber(uint32_t value, int digits = 4);

}  // namespace morvane
