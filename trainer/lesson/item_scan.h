// The item steps (Hanzi, reading, meaning) over any reader and any builder of
// the item's parts. A reader of known type has its nextToken inlined here, so
// the loop makes no virtual call per character.
#pragma once

#include "lesson/item_builder.h"
#include "lesson/token_reader.h"

namespace morvane {

namespace item_steps {

template <class Builder>
void addToken(Builder& builder, bool toHanzi, const Token& token) {
  uint8_t first = token.size == 2 ? token.bytes[0] : 0;
  uint8_t second = token.size == 2 ? token.bytes[1] : token.first();
  if (toHanzi) {
    builder.addHanzi(first, second);
  } else {
    builder.addReading(first, second);
  }
}

template <class Reader, class Builder>
bool hanzi(Reader& reader, Builder& builder) {
  // Single-byte text before the first Hanzi is skipped; that Hanzi is read again.
  while (!reader.doubleByte()) {
    if (!reader.nextToken()) return false;
    if (reader.doubleByte()) reader.stepBack(2);
  }
  Token token = reader.nextToken();
  while (token && reader.doubleByte()) {
    addToken(builder, true, token);
    token = reader.nextToken();
  }
  return builder.hanziCount() > 0;
}

template <class Reader, class Builder>
bool reading(Reader& reader, Builder& builder) {
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
      builder.addReading(0, ';');
    } else {
      addToken(builder, false, token);
    }
    token = reader.nextToken();
  }
  if (token && builder.readingCount() == 0) builder.addReading(0, ' ');
  return builder.readingCount() > 0;
}

template <class Reader, class Builder>
bool meaning(Reader& reader, Builder& builder) {
  // The two characters after "]" (normally " /") are dropped unread.
  if (!reader.doubleByte()) {
    reader.nextToken();
    if (!reader.doubleByte()) reader.nextToken();
  }
  bool slashPending = false;
  Token token;
  if (!reader.doubleByte()) {
    token = reader.nextToken();
    while (token && !reader.doubleByte()) {
      uint8_t b = token.first();
      if (b != 0x0D && b != 0x0A && builder.meaningSize() < kMaxMeaningBytes) {
        if (slashPending) {
          builder.addMeaning("; ");
          slashPending = false;
        }
        if (b == '/') {
          slashPending = true;
        } else {
          builder.addMeaning(static_cast<char>(b));
        }
      }
      token = reader.nextToken();
    }
  }
  // The double-byte character that ended the meaning begins the next item.
  if (reader.doubleByte() && token) reader.stepBack(2);
  return builder.meaningPresent() || slashPending;
}

}  // namespace item_steps

// Reads one item's parts into builder (cleared first): always all three
// steps, in order, even when an earlier one found nothing. True if all three
// parts were found.
template <class Reader, class Builder>
bool scanItem(Reader& reader, Builder& builder) {
  builder.clear();
  bool hanzi = item_steps::hanzi(reader, builder);
  bool reading = item_steps::reading(reader, builder);
  bool meaning = item_steps::meaning(reader, builder);
  return hanzi && reading && meaning;
}

}  // namespace morvane
