// A file system that fails on purpose: the Nth write, every byte after the
// Nth, the flush, or the final replace. It passes everything else to another
// file system, so an interrupted save leaves there what a crash would.
#pragma once

#include <cstdint>
#include <memory>
#include <string>

#include "platform/file_system.h"

namespace morvane::testing {

struct Faults {
  int64_t failWriteNumber = 0;      // the Nth write call (from 1) stores nothing
  int64_t stopAfterByte = -1;       // no byte beyond this many is stored
  bool failFlush = false;
  bool failMove = false;
};

class FaultyFileSystem : public FileSystem {
 public:
  FaultyFileSystem(FileSystem& inner, Faults faults) : inner_(inner), faults_(faults) {}

  std::unique_ptr<File> openForRead(const std::wstring& path) override {
    return inner_.openForRead(path);
  }
  std::unique_ptr<File> createForWrite(const std::wstring& path, bool hidden) override;
  bool moveReplacing(const std::wstring& from, const std::wstring& to, bool hidden) override;
  bool remove(const std::wstring& path) override { return inner_.remove(path); }
  bool exists(const std::wstring& path) override { return inner_.exists(path); }

  // Write calls and bytes seen so far, whether stored or not.
  int64_t writeCalls() const { return writeCalls_; }
  int64_t bytesOffered() const { return bytesOffered_; }

 private:
  friend class FaultyFile;

  FileSystem& inner_;
  Faults faults_;
  int64_t writeCalls_ = 0;
  int64_t bytesOffered_ = 0;
  int64_t bytesStored_ = 0;
};

}  // namespace morvane::testing
