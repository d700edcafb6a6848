// Meaning cleaning: ASCII replacements, drops, sense tidying.
#include "meaning_cleaner.h"

#include "ascii_replacements.h"
#include "platform/utf8.h"
#include "unicode_text.h"

namespace morvane {

namespace {

std::string quotedChar(char32_t c) {
  return "\"" + utf8FromCodePoints(std::u32string(1, c)) + "\"";
}

std::string spaceName(char32_t c) {
  if (c == U'\t') return "TAB";
  if (c == U'\n' || c == U'\r') return "line break";
  if (c == U'\u00A0') return "no-break space";
  return describeChar(c);
}

// The ASCII for one character (possibly empty), with the change reported.
std::string asciiFor(char32_t c, int64_t line, ConversionReport& report) {
  if (c >= 0x20 && c < 0x7F) return std::string(1, static_cast<char>(c));
  if (isSpaceChar(c)) {
    report.changed(line, spaceName(c) + " in a meaning replaced by a space");
    return " ";
  }
  if (c >= 0xFF01 && c <= 0xFF5E) {
    std::string ascii(1, static_cast<char>(c - 0xFEE0));
    report.changed(line, quotedChar(c) + " replaced by \"" + ascii + "\"");
    return ascii;
  }
  if (const char* ascii = asciiReplacement(c)) {
    report.changed(line, quotedChar(c) + " replaced by \"" + ascii + "\"");
    return ascii;
  }
  if (isCjkChar(c)) {
    report.changed(line, "Chinese, Japanese or Korean characters dropped from meanings");
  } else if (c < 0x20 || (c >= 0x7F && c < 0xA0)) {
    report.changed(line, "control characters dropped from meanings", describeChar(c));
  } else {
    report.changed(line, "characters with no close ASCII dropped from meanings", describeChar(c));
  }
  return "";
}

// Appends sense without its outer spaces, after a "/" when others came before.
void appendSense(std::string& senses, const std::string& sense) {
  size_t begin = sense.find_first_not_of(' ');
  if (begin == std::string::npos) return;
  size_t end = sense.find_last_not_of(' ');
  if (!senses.empty()) senses += '/';
  senses.append(sense, begin, end - begin + 1);
}

}  // namespace

std::string cleanMeaning(const std::u32string& meaning, int64_t line, ConversionReport& report) {
  std::string senses;
  std::string sense;
  for (char32_t c : meaning) {
    // A full-width slash becomes "/" and separates senses like the ASCII one.
    for (char ascii : asciiFor(c, line, report)) {
      if (ascii == '/') {
        appendSense(senses, sense);
        sense.clear();
      } else {
        sense += ascii;
      }
    }
  }
  appendSense(senses, sense);
  if (senses.empty()) {
    report.changed(line, "empty meaning written as \"-\"");
    senses = "-";
  }
  return senses;
}

std::wstring trainerMeaning(const std::string& senses) {
  std::wstring out;
  for (char c : senses) {
    if (c == '/') {
      out += L"; ";
    } else {
      out += static_cast<wchar_t>(static_cast<unsigned char>(c));
    }
  }
  return out;
}

}  // namespace morvane
