// Collects the records of one database in memory and stores its index and data
// files: 12-byte index entries (code, offset, 0) in rising code order.
#pragma once

#include <cstdint>
#include <string>

#include "platform/memory_file.h"

namespace morvane::strokebuild {

class DatabaseWriter {
 public:
  // Enters code at the end of the data so far and returns the data file, for
  // the caller to write the record into. Codes must be added in rising order.
  File& beginRecord(uint16_t code);

  // Writes folder/base.ind and folder/base.dat; false, with error set, when
  // either cannot be written.
  bool save(const std::string& folder, const std::string& base, std::string& error);

  int records() const { return records_; }

 private:
  MemoryFile index_;
  MemoryFile data_;
  int records_ = 0;
};

}  // namespace morvane::strokebuild
