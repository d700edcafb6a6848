// The item reader: turns characters into lesson items by character class.
#include "lesson/lesson_item.h"

#include <new>
#include <string>

namespace morvane {

namespace {

// Appends a cell unless memory ran out or the list is at its limit; past a
// few hundred cells the list grows by doubling, so long lines stay cheap.
void appendCell(PtrArray& cells, uint8_t first, uint8_t second) {
  if (cells.count >= kMaxItemCells) return;
  CharToken* cell = new (std::nothrow) CharToken{first, second};
  if (!cell) return;
  if (cells.count == cells.capacity && cells.capacity >= 256) cells.Grow(cells.capacity);
  cells.Append(cell);
}

void appendToken(PtrArray& cells, const Token& token) {
  if (token.size == 2) {
    appendCell(cells, token.bytes[0], token.bytes[1]);
  } else {
    appendCell(cells, 0, token.first());
  }
}

bool readHanzi(TokenReader& reader, LessonItem& item) {
  // Single-byte text before the first Hanzi is skipped; that Hanzi is read again.
  while (!reader.doubleByte()) {
    if (!reader.nextToken()) return false;
    if (reader.doubleByte()) reader.stepBack(2);
  }
  Token token = reader.nextToken();
  while (token && reader.doubleByte()) {
    appendToken(item.hanzi, token);
    token = reader.nextToken();
  }
  item.hanziMarks.assign(static_cast<size_t>(item.hanzi.count), 0);
  return item.hanzi.count > 0;
}

bool readReading(TokenReader& reader, LessonItem& item) {
  Token token = reader.nextToken();
  if (!token) return false;
  while (!reader.doubleByte() && token.first() != '[') {
    token = reader.nextToken();
    if (!token) return false;
  }
  if (token.first() == '[') {
    token = reader.nextToken();
    if (!token) return false;
  }
  // The closing test looks at the first byte even of a double-byte token.
  while (token && token.first() != ']') {
    if (token.size == 1 && token.first() == '/') {
      appendCell(item.reading, 0, ';');
    } else {
      appendToken(item.reading, token);
    }
    token = reader.nextToken();
  }
  if (token && item.reading.count == 0) appendCell(item.reading, 0, ' ');
  item.readingMarks.assign(static_cast<size_t>(item.reading.count), 3);
  return item.reading.count > 0;
}

bool readMeaning(TokenReader& reader, LessonItem& item) {
  // The two characters after "]" (normally " /") are dropped unread.
  if (!reader.doubleByte()) {
    reader.nextToken();
    if (!reader.doubleByte()) reader.nextToken();
  }
  std::string bytes;
  bool slashPending = false;
  Token token;
  if (!reader.doubleByte()) {
    token = reader.nextToken();
    while (token && !reader.doubleByte()) {
      uint8_t b = token.first();
      if (b != 0x0D && b != 0x0A && bytes.size() < kMaxMeaningBytes) {
        if (slashPending) {
          bytes += "; ";
          slashPending = false;
        }
        if (b == '/') {
          slashPending = true;
        } else {
          bytes += static_cast<char>(b);
        }
      }
      token = reader.nextToken();
    }
  }
  // The double-byte character that ended the meaning begins the next item.
  if (reader.doubleByte() && token) reader.stepBack(2);

  wchar_t* meaning = new (std::nothrow) wchar_t[bytes.size() + 1];
  if (!meaning) return false;
  for (size_t i = 0; i < bytes.size(); ++i) meaning[i] = static_cast<unsigned char>(bytes[i]);
  meaning[bytes.size()] = 0;
  item.meaning.reset(meaning);
  return meaning[0] != 0 || slashPending;
}

}  // namespace

LessonItem::~LessonItem() {
  for (int32_t i = 0; i < reading.count; ++i) delete static_cast<CharToken*>(reading.items[i]);
  for (int32_t i = 0; i < hanzi.count; ++i) delete static_cast<CharToken*>(hanzi.items[i]);
}

std::unique_ptr<LessonItem> readItem(TokenReader& reader) {
  auto item = std::make_unique<LessonItem>();
  bool hanzi = readHanzi(reader, *item);
  bool reading = readReading(reader, *item);
  bool meaning = readMeaning(reader, *item);
  item->valid = hanzi && reading && meaning;
  return item;
}

}  // namespace morvane
