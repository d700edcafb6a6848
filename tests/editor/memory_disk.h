// A disk in memory for the editor's safe replacement, which fails where a
// test asks: the Nth write, every byte after the Nth, the flush, the
// creation of the temporary file or the final replace.
#pragma once

#include <algorithm>
#include <cstdint>
#include <map>
#include <memory>
#include <string>

#include "core/editor_ports.h"
#include "core/safe_replace.h"
#include "editor_test_support.h"

namespace quillmark::fakes {

struct DiskFaults {
  int64_t failWriteNumber = 0;  // the Nth write (from 1) stores nothing
  int64_t stopAfterByte = -1;   // no byte beyond this many is stored
  bool failFlush = false;
  bool failCreate = false;
  bool failMove = false;
};

class MemoryDisk : public LessonDisk, public LessonStorage {
 public:
  std::map<std::wstring, std::string> files;
  DiskFaults faults;

  bool isReadOnly(const std::wstring&) override { return false; }
  std::unique_ptr<OutputFile> createBeside(const std::wstring& path,
                                           std::wstring& temporary) override {
    if (faults.failCreate) return nullptr;
    temporary = path + L"." + std::to_wstring(++temporaries_) + L".tmp";
    files[temporary].clear();
    return std::make_unique<Output>(*this, files[temporary]);
  }
  bool moveReplacing(const std::wstring& from, const std::wstring& to) override {
    if (faults.failMove || !files.count(from)) return false;
    files[to] = files[from];
    files.erase(from);
    return true;
  }
  void remove(const std::wstring& path) override { files.erase(path); }

  std::unique_ptr<ByteSource> openForRead(const std::wstring& path) override {
    auto found = files.find(path);
    if (found == files.end()) return nullptr;
    return std::make_unique<StringSource>(found->second);
  }
  bool replaceContents(const std::wstring& path, const std::string& bytes) override {
    return replaceSafely(*this, path, bytes);
  }

  // Write calls seen since the disk was made.
  int64_t writeCalls() const { return writes_; }

 private:
  class Output : public OutputFile {
   public:
    Output(MemoryDisk& disk, std::string& bytes) : disk_(disk), bytes_(bytes) {}
    bool write(const char* bytes, size_t n) override {
      const DiskFaults& faults = disk_.faults;
      if (++disk_.writes_ == faults.failWriteNumber) return false;
      size_t stored = n;
      if (faults.stopAfterByte >= 0) {
        int64_t room = std::max<int64_t>(0, faults.stopAfterByte - disk_.stored_);
        stored = static_cast<size_t>(std::min<int64_t>(room, static_cast<int64_t>(n)));
      }
      bytes_.append(bytes, stored);
      disk_.stored_ += static_cast<int64_t>(stored);
      return stored == n;
    }
    bool flush() override { return !disk_.faults.failFlush; }

   private:
    MemoryDisk& disk_;
    std::string& bytes_;
  };

  int temporaries_ = 0;
  int64_t writes_ = 0;
  int64_t stored_ = 0;
};

}  // namespace quillmark::fakes
