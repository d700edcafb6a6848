// Writes, flushes and replaces that fail where a test asks.
#include "faulty_file_system.h"

#include <algorithm>

namespace morvane::testing {

class FaultyFile : public File {
 public:
  FaultyFile(std::unique_ptr<File> inner, FaultyFileSystem& owner)
      : inner_(std::move(inner)), owner_(owner) {}

  size_t read(void* buffer, size_t n) override { return inner_->read(buffer, n); }
  bool seekRelative(int64_t delta) override { return inner_->seekRelative(delta); }
  bool seekTo(uint64_t offset) override { return inner_->seekTo(offset); }
  int64_t size() override { return inner_->size(); }
  bool flush() override { return !owner_.faults_.failFlush && inner_->flush(); }

  bool write(const void* buffer, size_t n) override {
    const Faults& faults = owner_.faults_;
    int64_t call = ++owner_.writeCalls_;
    owner_.bytesOffered_ += static_cast<int64_t>(n);
    if (call == faults.failWriteNumber) return false;
    size_t stored = n;
    if (faults.stopAfterByte >= 0) {
      int64_t room = std::max<int64_t>(0, faults.stopAfterByte - owner_.bytesStored_);
      stored = static_cast<size_t>(std::min<int64_t>(room, static_cast<int64_t>(n)));
    }
    if (stored > 0 && !inner_->write(buffer, stored)) return false;
    owner_.bytesStored_ += static_cast<int64_t>(stored);
    return stored == n;
  }

 private:
  std::unique_ptr<File> inner_;
  FaultyFileSystem& owner_;
};

std::unique_ptr<File> FaultyFileSystem::createForWrite(const std::wstring& path, bool hidden) {
  std::unique_ptr<File> file = inner_.createForWrite(path, hidden);
  if (!file) return nullptr;
  return std::make_unique<FaultyFile>(std::move(file), *this);
}

bool FaultyFileSystem::moveReplacing(const std::wstring& from, const std::wstring& to,
                                     bool hidden) {
  if (faults_.failMove) return false;
  return inner_.moveReplacing(from, to, hidden);
}

}  // namespace morvane::testing
