// Per-item weights: how often an item has been answered wrong lately. They
// steer Review picking and are kept between runs in hidden progress files.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace morvane {

class ItemWeights {
 public:
  ItemWeights() { values_.reserve(100); }
  virtual ~ItemWeights() = default;
  ItemWeights(const ItemWeights&) = default;
  ItemWeights(ItemWeights&&) = default;
  ItemWeights& operator=(const ItemWeights&) = default;
  ItemWeights& operator=(ItemWeights&&) = default;

  // A table of count weights, each the initial weight 6.0.
  static ItemWeights withDefaults(int32_t count);

  // Appends the initial weight.
  void addDefault();
  // Appends w, raised to the minimum if below it (compared in hundredths;
  // a value that is not a finite number counts as below).
  void appendWeight(float w);
  // The weight at index, or 0 outside the table.
  float weightAt(int32_t index) const;
  // Adds delta to the weight at index (nothing outside the table); a result
  // not above the minimum leaves the minimum. The sum follows.
  void adjustWeight(int32_t index, float delta);
  // An index drawn with probability by weight, or -1 when the draw lands past
  // the running total (only the largest random numbers can).
  int32_t weightedPick() const;

  int32_t count() const { return static_cast<int32_t>(values_.size()); }
  float sum() const { return sum_; }
  float minimum() const { return minimum_; }
  float initialWeight() const { return initialWeight_; }

  // The progress file form: initial weight, sum, minimum, count, then every
  // weight; little-endian, single precision.
  std::vector<uint8_t> toBytes() const;

 private:
  friend class ProgressFileReader;

  float initialWeight_ = 6.0f;
  float sum_ = 0.0f;
  std::vector<float> values_;
  float minimum_ = 1.0f;
};

// trunc(x × 100) in single precision, the unit in which weights are compared;
// NaN compares below everything.
int64_t hundredths(float x);

// True when a weighted draw can scale sum by every random number (up to
// 32767) without overflow; larger sums make every draw miss.
bool isDrawableSum(float sum);

// What became of a progress file when it was read.
enum class ProgressStatus {
  Loaded,   // its weights are in use
  Missing,  // no such file, or it cannot be opened
  Stale,    // it holds a different number of weights than the lesson file has items
  Damaged,  // shorter than its count announces, its minimum is not a number,
            // or its weights add up to more than a draw can scale
};

// Reads the progress file at path into table when it holds exactly
// expectedCount weights; otherwise table gets expectedCount default weights.
ProgressStatus loadProgress(const std::wstring& path, int32_t expectedCount, ItemWeights& table);

// Writes table to path as a hidden file, replacing the old one only once the
// new one is complete; false if it could not be written.
bool saveProgressFile(const std::wstring& path, const ItemWeights& table);

}  // namespace morvane
