// The trainer's file readers: a 100,000-item lesson read in each encoding
// (with and without its progress file), progress files loaded and saved, and
// the lesson inspector's JSON of the GB lesson from start to exit.
#include <benchmark/benchmark.h>

#include <chrono>
#include <cstdlib>
#include <fstream>
#include <functional>
#include <memory>
#include <ostream>
#include <sstream>
#include <streambuf>
#include <string>

#include "app/stroke_marks.h"
#include "data_files.h"
#include "generated_lesson.h"
#include "lesson_inspector.h"
#include "lesson/item_weights.h"
#include "lesson/weighted_lesson.h"
#include "platform/utf8.h"

namespace morvane::bench {

namespace {

const int kItems = 100000;

// An output stream that counts nothing and keeps nothing.
class NullBuffer : public std::streambuf {
 protected:
  std::streamsize xsputn(const char*, std::streamsize n) override { return n; }
  int overflow(int c) override { return traits_type::not_eof(c); }
};

struct NullStream : std::ostream {
  NullStream() : std::ostream(&buffer) {}
  NullBuffer buffer;
};

struct Encoding {
  const char* extension;
  EncodingCode code;
};

const Encoding kEncodings[] = {{".gb", EncodingCode::Gb},
                               {".b5", EncodingCode::Big5},
                               {".euk", EncodingCode::EucKr},
                               {".euc", EncodingCode::EucJp},
                               {".jis", EncodingCode::Iso2022Jp}};

// The lesson file of an encoding, written once; its size in bytes.
std::string lessonFile(const Encoding& encoding, size_t& size) {
  std::string path = scratchFolder() + "/lesson" + encoding.extension;
  std::string bytes = generatedLesson(encoding.code, kItems);
  writeFile(path, bytes);
  size = bytes.size();
  return path;
}

// A progress file for the lesson: weights that vary, as after some study.
void writeProgress(const std::string& path, int32_t count) {
  ItemWeights weights = ItemWeights::withDefaults(count);
  for (int32_t i = 0; i < count; i += 3) weights.adjustWeight(i, 6.0f);
  saveProgressFile(fromUtf8(path), weights);
}

// A WeightedLesson made and deleted, as the trainer opens a lesson.
void BM_ReadLesson(benchmark::State& state, Encoding encoding, bool withProgress) {
  size_t size = 0;
  std::wstring path = fromUtf8(lessonFile(encoding, size));
  std::wstring progress = path + (withProgress ? L".st" : L".none");
  if (withProgress) writeProgress(toUtf8(progress), kItems);
  for (auto _ : state) {
    WeightedLesson lesson(path, progress, 0);
    if (lesson.itemCount() != kItems) state.SkipWithError("not every item was read");
  }
  state.SetBytesProcessed(static_cast<int64_t>(state.iterations()) * static_cast<int64_t>(size));
}

// The lesson opened as the trainer opens a GB lesson: read, then every
// item's Hanzi marked from the stroke and feedback indexes the main job
// built (MORVANE_FONT_DIR).
void BM_ReadLessonWithMarks(benchmark::State& state) {
  const std::string folder = dataFolder();
  const FolderList folders{fromUtf8(folder)};
  if (folder.empty() || !openInFolders(folders, L"feedbkchs.ind")) {
    state.SkipWithError("no stroke databases in MORVANE_FONT_DIR (build them with scripts/run.sh)");
    return;
  }
  size_t size = 0;
  std::wstring path = fromUtf8(lessonFile(kEncodings[0], size));
  for (auto _ : state) {
    WeightedLesson lesson(path, path + L".none", 0);
    markStrokeData(lesson, folders, &kSimplifiedDatabases);
    if (lesson.itemCount() != kItems) state.SkipWithError("not every item was read");
  }
  state.SetBytesProcessed(static_cast<int64_t>(state.iterations()) * static_cast<int64_t>(size));
}

// The baseline of the lesson read: the same file read and scanned as a
// tokenizer would (each byte classified, double-byte characters paired,
// brackets and slashes found, items counted), building nothing. The number
// of items it counted.
size_t scanLessonBytes(const std::string& path, size_t size) {
  std::ifstream in(path, std::ios::binary);
  std::string bytes(size, '\0');
  in.read(bytes.data(), static_cast<std::streamsize>(size));
  size_t items = 0, marks = 0, pairs = 0;
  for (size_t i = 0; i < bytes.size(); ++i) {
    const auto byte = static_cast<uint8_t>(bytes[i]);
    if (byte >= 0x80 && i + 1 < bytes.size()) {
      ++pairs;
      ++i;
    } else if (byte == '[' || byte == ']' || byte == '/') {
      ++marks;
    } else if (byte == '\n') {
      ++items;
    }
  }
  benchmark::DoNotOptimize(marks + pairs);
  return items;
}

double secondsOf(const std::function<void()>& work) {
  const auto start = std::chrono::steady_clock::now();
  work();
  return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
}

// The GB lesson read as the trainer reads it, each time beside the scan of
// the same bytes, so that their ratio comes from one run whatever the load
// of the machine: scan_MBps, read_MBps and read_over_scan.
void BM_ReadLessonAgainstScan(benchmark::State& state) {
  size_t size = 0;
  const std::string path = lessonFile(kEncodings[0], size);
  const std::wstring wide = fromUtf8(path);
  double scanSeconds = 0, readSeconds = 0;
  for (auto _ : state) {
    scanSeconds += secondsOf([&] {
      if (scanLessonBytes(path, size) != kItems) state.SkipWithError("not every item was counted");
    });
    readSeconds += secondsOf([&] {
      WeightedLesson lesson(wide, wide + L".none", 0);
      if (lesson.itemCount() != kItems) state.SkipWithError("not every item was read");
    });
  }
  const double bytes = static_cast<double>(state.iterations()) * static_cast<double>(size);
  state.counters["scan_MBps"] = bytes / scanSeconds / 1e6;
  state.counters["read_MBps"] = bytes / readSeconds / 1e6;
  state.counters["read_over_scan"] = readSeconds / scanSeconds;
}

void BM_LoadProgress(benchmark::State& state) {
  std::string path = scratchFolder() + "/load.st";
  writeProgress(path, kItems);
  for (auto _ : state) {
    ItemWeights table;
    if (loadProgress(fromUtf8(path), kItems, table) != ProgressStatus::Loaded) {
      state.SkipWithError("the progress file did not load");
    }
  }
}

void BM_SaveProgress(benchmark::State& state) {
  std::wstring path = fromUtf8(scratchFolder() + "/save.st");
  ItemWeights weights = ItemWeights::withDefaults(kItems);
  for (auto _ : state) {
    if (!saveProgressFile(path, weights)) state.SkipWithError("the progress file was not saved");
  }
}

// morvane-inspect lesson --json on the GB lesson, output thrown away.
void BM_InspectorJson(benchmark::State& state) {
  size_t size = 0;
  std::string path = lessonFile(kEncodings[0], size);
  std::string command = std::string(MORVANE_INSPECT) + " lesson --json " + path + " >/dev/null";
  for (auto _ : state) {
    if (std::system(command.c_str()) != 0) state.SkipWithError("the inspector failed");
  }
  state.SetBytesProcessed(static_cast<int64_t>(state.iterations()) * static_cast<int64_t>(size));
}

// The same inside this process, as often as the lesson read above, so the two
// compare like with like (the end-to-end figure adds process start and the
// first touch of every page).
void BM_InspectorJsonInProcess(benchmark::State& state) {
  size_t size = 0;
  std::string path = lessonFile(kEncodings[0], size);
  std::ostringstream err;
  for (auto _ : state) {
    NullStream out;
    if (runLessonInspector({"--json", path}, out, err) != 0) {
      state.SkipWithError("the inspector failed");
    }
  }
  state.SetBytesProcessed(static_cast<int64_t>(state.iterations()) * static_cast<int64_t>(size));
}

}  // namespace

}  // namespace morvane::bench

using morvane::bench::BM_ReadLesson;
using morvane::bench::BM_ReadLessonWithMarks;
using morvane::bench::BM_ReadLessonAgainstScan;
using morvane::bench::kEncodings;

BENCHMARK(BM_ReadLessonAgainstScan)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ReadLessonWithMarks)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_ReadLesson, gb, kEncodings[0], false)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_ReadLesson, b5, kEncodings[1], false)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_ReadLesson, euk, kEncodings[2], false)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_ReadLesson, euc, kEncodings[3], false)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_ReadLesson, jis, kEncodings[4], false)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_ReadLesson, gb_progress, kEncodings[0], true)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_ReadLesson, b5_progress, kEncodings[1], true)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_ReadLesson, euk_progress, kEncodings[2], true)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_ReadLesson, euc_progress, kEncodings[3], true)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_ReadLesson, jis_progress, kEncodings[4], true)->Unit(benchmark::kMillisecond);
BENCHMARK(morvane::bench::BM_LoadProgress)->Unit(benchmark::kMillisecond);
BENCHMARK(morvane::bench::BM_SaveProgress)->Unit(benchmark::kMillisecond);
BENCHMARK(morvane::bench::BM_InspectorJson)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(morvane::bench::BM_InspectorJsonInProcess)->Unit(benchmark::kMillisecond);
