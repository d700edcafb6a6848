// Planning an item: what each character of a word becomes in the lesson.
#include "item_plan.h"

#include "lesson/lesson_item.h"
#include "meaning_cleaner.h"
#include "unicode_text.h"

namespace morvane {

namespace {

bool planHanzi(const WordEntry& entry, LessonCharset& charset, ConversionReport& report,
               PlannedItem& item) {
  if (entry.hanzi.empty()) {
    report.leftOut(entry, "no Hanzi");
    return false;
  }
  for (char32_t c : entry.hanzi) {
    CharToken token;
    if (c < 0x80) {
      // A single-byte character would end the Hanzi there.
      report.leftOut(entry, "ASCII in the Hanzi", describeChar(c));
      return false;
    }
    if (!charset.tokenFor(c, token)) {
      report.leftOut(entry, std::string("a Hanzi ") + charset.name() + " lacks", describeChar(c));
      return false;
    }
    item.hanzi.push_back(token);
  }
  return true;
}

bool planReadingChar(char32_t c, const WordEntry& entry, LessonCharset& charset,
                     ConversionReport& report, PlannedItem& item) {
  CharToken token;
  if (c == U']') {
    report.leftOut(entry, "\"]\" in the reading, which would end it");
    return false;
  }
  if (c == U'/') {
    report.changed(entry.line, "\"/\" in a reading written as \";\", as the trainer shows it");
    item.reading.push_back({0, ';'});
  } else if (c != U' ' && isSpaceChar(c)) {
    report.changed(entry.line, describeChar(c) + " in a reading replaced by a space");
    item.reading.push_back({0, ' '});
  } else if (c >= 0x20 && c < 0x7F) {
    item.reading.push_back({0, static_cast<uint8_t>(c)});
  } else if (c < 0x20 || (c >= 0x7F && c < 0xA0)) {
    report.changed(entry.line, "control character " + describeChar(c) + " dropped from a reading");
  } else if (!charset.tokenFor(c, token)) {
    report.leftOut(entry, std::string("a reading character ") + charset.name() + " lacks",
                   describeChar(c));
    return false;
  } else if (token.first == ']') {
    // The reader ends a reading at any character whose first byte is "]".
    report.leftOut(entry, "a reading character whose code begins with \"]\"", describeChar(c));
    return false;
  } else {
    item.reading.push_back(token);
  }
  return true;
}

bool planReading(const WordEntry& entry, LessonCharset& charset, ConversionReport& report,
                 PlannedItem& item) {
  for (char32_t c : entry.reading) {
    if (!planReadingChar(c, entry, charset, report, item)) return false;
  }
  if (item.reading.empty()) {
    report.changed(entry.line, "empty reading written as \"-\"");
    item.reading.push_back({0, '-'});
  }
  return true;
}

}  // namespace

bool planItem(const WordEntry& entry, LessonCharset& charset, ConversionReport& report,
              PlannedItem& item) {
  item = PlannedItem{};
  item.line = entry.line;
  if (!planHanzi(entry, charset, report, item) || !planReading(entry, charset, report, item)) {
    return false;
  }
  item.meaning = cleanMeaning(entry.meaning, entry.line, report);
  if (item.hanzi.size() >= static_cast<size_t>(kMaxItemCells) ||
      item.reading.size() >= static_cast<size_t>(kMaxItemCells) ||
      trainerMeaning(item.meaning).size() >= kMaxMeaningBytes) {
    report.leftOut(entry, "longer than the trainer keeps of an item");
    return false;
  }
  return true;
}

}  // namespace morvane
