// Weight arithmetic and the progress file format.
#include "lesson/item_weights.h"

#include <cmath>
#include <cstring>
#include <limits>
#include <memory>

#include "lesson/random.h"
#include "platform/file.h"

namespace morvane {

namespace {

void putUint32(std::vector<uint8_t>& out, uint32_t v) {
  for (int i = 0; i < 4; ++i) out.push_back(static_cast<uint8_t>(v >> (8 * i)));
}

void putFloat(std::vector<uint8_t>& out, float f) {
  uint32_t bits;
  std::memcpy(&bits, &f, 4);
  putUint32(out, bits);
}

uint32_t getUint32(const uint8_t* p) {
  return static_cast<uint32_t>(p[0]) | static_cast<uint32_t>(p[1]) << 8 |
         static_cast<uint32_t>(p[2]) << 16 | static_cast<uint32_t>(p[3]) << 24;
}

float getFloat(const uint8_t* p) {
  uint32_t bits = getUint32(p);
  float f;
  std::memcpy(&f, &bits, 4);
  return f;
}

// Reads exactly n bytes unless the file ends first.
bool readFully(File& file, uint8_t* buffer, size_t n) {
  while (n > 0) {
    size_t got = file.read(buffer, n);
    if (got == 0) return false;
    buffer += got;
    n -= got;
  }
  return true;
}

}  // namespace

// Fills a table from an open progress file.
class ProgressFileReader {
 public:
  static ProgressStatus read(File& file, int32_t expectedCount, ItemWeights& table) {
    uint8_t header[16];
    if (!readFully(file, header, sizeof header)) return ProgressStatus::Damaged;
    float initial = getFloat(header);
    float minimum = getFloat(header + 8);
    int32_t count = static_cast<int32_t>(getUint32(header + 12));
    // Every weight is compared with the minimum, so it must be a number; the
    // initial weight only serves items added to this table later.
    if (!std::isfinite(minimum)) return ProgressStatus::Damaged;
    if (count != expectedCount) return ProgressStatus::Stale;

    ItemWeights loaded;
    loaded.initialWeight_ = initial;
    loaded.minimum_ = minimum;
    uint8_t chunk[4096];
    for (int32_t left = count; left > 0;) {
      int32_t n = left < 1024 ? left : 1024;
      if (!readFully(file, chunk, static_cast<size_t>(n) * 4)) return ProgressStatus::Damaged;
      for (int32_t i = 0; i < n; ++i) loaded.appendWeight(getFloat(chunk + 4 * i));
      left -= n;
    }
    if (!isDrawableSum(loaded.sum_)) return ProgressStatus::Damaged;
    table = std::move(loaded);
    return ProgressStatus::Loaded;
  }
};

int64_t hundredths(float x) {
  float scaled = x * 100.0f;
  if (std::isnan(scaled)) return std::numeric_limits<int64_t>::min();
  if (scaled >= 9.0e18f) return std::numeric_limits<int64_t>::max();
  if (scaled <= -9.0e18f) return std::numeric_limits<int64_t>::min();
  return static_cast<int64_t>(scaled);
}

bool isDrawableSum(float sum) { return std::isfinite(sum * 32767.0f); }

ItemWeights ItemWeights::withDefaults(int32_t count) {
  ItemWeights table;
  for (int32_t i = 0; i < count; ++i) table.addDefault();
  return table;
}

void ItemWeights::addDefault() {
  values_.push_back(initialWeight_);
  sum_ += initialWeight_;
}

void ItemWeights::appendWeight(float w) {
  if (!std::isfinite(w) || hundredths(w) < hundredths(minimum_)) w = minimum_;
  values_.push_back(w);
  sum_ += w;
}

float ItemWeights::weightAt(int32_t index) const {
  if (index < 0 || index >= count()) return 0.0f;
  return values_[static_cast<size_t>(index)];
}

void ItemWeights::adjustWeight(int32_t index, float delta) {
  if (index < 0 || index >= count()) return;
  float& value = values_[static_cast<size_t>(index)];
  float adjusted = value + delta;
  if (hundredths(adjusted) > hundredths(minimum_)) {
    sum_ += delta;
    value = adjusted;
  } else {
    sum_ -= value - minimum_;
    value = minimum_;
  }
}

int32_t ItemWeights::weightedPick() const {
  float r = static_cast<float>(nextRandom());
  float target = (sum_ * r) * (1.0f / 32767.0f);
  int64_t targetHundredths = hundredths(target);
  float running = 0.0f;
  for (size_t i = 0; i < values_.size(); ++i) {
    running += values_[i];
    if (hundredths(running) > targetHundredths) return static_cast<int32_t>(i);
  }
  return -1;
}

std::vector<uint8_t> ItemWeights::toBytes() const {
  std::vector<uint8_t> out;
  out.reserve(16 + 4 * values_.size());
  putFloat(out, initialWeight_);
  putFloat(out, sum_);
  putFloat(out, minimum_);
  putUint32(out, static_cast<uint32_t>(count()));
  for (float value : values_) putFloat(out, value);
  return out;
}

ProgressStatus loadProgress(const std::wstring& path, int32_t expectedCount, ItemWeights& table) {
  ProgressStatus status = ProgressStatus::Missing;
  if (std::unique_ptr<File> file = openFileForRead(path)) {
    status = ProgressFileReader::read(*file, expectedCount, table);
  }
  if (status != ProgressStatus::Loaded) table = ItemWeights::withDefaults(expectedCount);
  return status;
}

bool saveProgressFile(const std::wstring& path, const ItemWeights& table) {
  std::vector<uint8_t> bytes = table.toBytes();
  return replaceFileContents(path, bytes.data(), bytes.size(), /*hidden=*/true);
}

}  // namespace morvane
