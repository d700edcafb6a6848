// Stroke and feedback lookups: random GB 2312 Hanzi looked up in the three
// "chs" databases as the trainer does for each character it shows or judges
// (index searched on disk, record read). The databases come from the main job
// (MORVANE_FONT_DIR).
#include <benchmark/benchmark.h>

#include <optional>
#include <string>
#include <vector>

#include "data_files.h"
#include "platform/utf8.h"
#include "strokes/feedback_database.h"
#include "strokes/stroke_database.h"

namespace morvane::bench {

namespace {

template <class Lookup>
void lookUpRandomHanzi(benchmark::State& state, const wchar_t* base, Lookup lookup) {
  const std::string folder = dataFolder();
  const FolderList folders{fromUtf8(folder)};
  if (folder.empty() || !openInFolders(folders, std::wstring(base) + L".ind")) {
    state.SkipWithError("no stroke databases in MORVANE_FONT_DIR (build them with scripts/run.sh)");
    return;
  }
  const std::vector<uint16_t> codes = randomGbHanzi(4096);
  size_t next = 0;
  for (auto _ : state) {
    benchmark::DoNotOptimize(lookup(folders, codes[next]));
    next = (next + 1) % codes.size();
  }
  state.SetItemsProcessed(static_cast<int64_t>(state.iterations()));
}

void BM_SmallStrokeLookup(benchmark::State& state) {
  lookUpRandomHanzi(state, kSimplifiedDatabases.small,
                    [](const FolderList& folders, uint16_t code) {
                      return loadCellPath(folders, kSimplifiedDatabases.small, code) != nullptr;
                    });
}

void BM_LargeStrokeLookup(benchmark::State& state) {
  lookUpRandomHanzi(state, kSimplifiedDatabases.large,
                    [](const FolderList& folders, uint16_t code) {
                      return loadStrokeList(folders, kSimplifiedDatabases.large, code) != nullptr;
                    });
}

void BM_FeedbackLookup(benchmark::State& state) {
  lookUpRandomHanzi(state, kSimplifiedDatabases.feedback,
                    [](const FolderList& folders, uint16_t code) {
                      std::optional<RecordLocation> at =
                          locateRecord(folders, kSimplifiedDatabases.feedback, code);
                      return at && readFeedbackRecords(*at->data, at->offset).has_value();
                    });
}

}  // namespace

}  // namespace morvane::bench

BENCHMARK(morvane::bench::BM_SmallStrokeLookup);
BENCHMARK(morvane::bench::BM_LargeStrokeLookup);
BENCHMARK(morvane::bench::BM_FeedbackLookup);
