// Fuzz entry of Quillmark's lesson file reader and writer: what it loads and
// writes must load again unchanged.
#include <algorithm>
#include <cwchar>
#include <string>
#include <vector>

#include "core/lesson_file.h"
#include "editor_test_support.h"
#include "fuzz_check.h"
#include "fuzz_entries.h"

namespace morvane::testing {

namespace {

using quillmark::EditorItem;
using quillmark::Field;

bool hasAny(const std::wstring& text, const wchar_t* characters) {
  return text.find_first_of(characters) != std::wstring::npos;
}

// An item whose line form reads back as the same item: its Hanzi is not
// empty and holds none of the delimiters, its reading has no "]", its meaning
// is not empty, no field has a line end, and the codec can write all of it.
bool survivesRoundTrip(const EditorItem& item, const quillmark::TextCodec& codec) {
  const std::wstring hanzi = item.fieldText(Field::Hanzi);
  const std::wstring reading = item.fieldText(Field::Reading);
  const std::wstring meaning = item.fieldText(Field::Meaning);
  std::string ignored;
  return !hanzi.empty() && !hasAny(hanzi, L" []/\r\n") && !hasAny(reading, L"]\r\n") &&
         !meaning.empty() && !hasAny(meaning, L"\r\n") && codec.encode(hanzi, ignored) &&
         codec.encode(reading, ignored) && codec.encode(meaning, ignored);
}

bool sameItem(const EditorItem& x, const EditorItem& y) {
  return x.fieldText(Field::Hanzi) == y.fieldText(Field::Hanzi) &&
         x.fieldText(Field::Reading) == y.fieldText(Field::Reading) &&
         x.fieldText(Field::Meaning) == y.fieldText(Field::Meaning);
}

}  // namespace

int fuzzEditorLessonFile(const uint8_t* data, size_t size) {
  quillmark::fakes::FakeCodec codec;
  quillmark::fakes::StringSource source(std::string(reinterpret_cast<const char*>(data), size));
  quillmark::LoadedLesson loaded = quillmark::loadLessonFile(source, codec);
  FUZZ_CHECK(!loaded.items.empty());

  std::vector<EditorItem>& kept = loaded.items;
  kept.erase(std::remove_if(kept.begin(), kept.end(),
                            [&](const EditorItem& item) { return !survivesRoundTrip(item, codec); }),
             kept.end());
  quillmark::WrittenLesson written = quillmark::writeLessonFile(kept, codec);
  FUZZ_CHECK(written.itemsWithLostCharacters.empty());

  quillmark::fakes::StringSource again(written.bytes);
  quillmark::LoadedLesson reloaded = quillmark::loadLessonFile(again, codec);
  if (kept.empty()) {
    FUZZ_CHECK(reloaded.items.size() == 1 && reloaded.items[0].fieldText(Field::Hanzi).empty());
    return 0;
  }
  FUZZ_CHECK(reloaded.items.size() == kept.size());
  FUZZ_CHECK(reloaded.shortenedLines.empty());
  for (size_t i = 0; i < kept.size(); ++i) FUZZ_CHECK(sameItem(reloaded.items[i], kept[i]));
  return 0;
}

}  // namespace morvane::testing
