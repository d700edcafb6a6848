// The editor's safe replacement interrupted at every step: the lesson file is
// the old one or the complete new one, and no temporary file is left.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "core/safe_replace.h"
#include "memory_disk.h"

namespace quillmark {
namespace {

using fakes::DiskFaults;
using fakes::MemoryDisk;

const std::wstring kPath = L"C:\\lesson.gb";

// Old contents, new contents of two and a half write pieces.
const std::string kOld = "old lesson\r\n";
std::string newContents() {
  std::string bytes(kWriteChunk * 5 / 2, 'n');
  for (size_t i = 0; i < bytes.size(); i += 7) bytes[i] = static_cast<char>('a' + i % 26);
  return bytes;
}

std::vector<DiskFaults> failurePoints(size_t size) {
  std::vector<DiskFaults> points;
  for (int64_t n = 1; n <= 3; ++n) points.push_back(DiskFaults{n, -1, false, false, false});
  const int64_t chunk = static_cast<int64_t>(kWriteChunk);
  for (int64_t at : {int64_t{0}, int64_t{1}, chunk - 1, chunk, chunk + 1, 2 * chunk,
                     static_cast<int64_t>(size) - 1}) {
    points.push_back(DiskFaults{0, at, false, false, false});
  }
  points.push_back(DiskFaults{0, -1, true, false, false});
  points.push_back(DiskFaults{0, -1, false, true, false});
  points.push_back(DiskFaults{0, -1, false, false, true});
  return points;
}

TEST(SafeReplace, WritesInPiecesAndReplacesTheFile) {
  MemoryDisk disk;
  disk.files[kPath] = kOld;
  const std::string bytes = newContents();
  ASSERT_TRUE(replaceSafely(disk, kPath, bytes));
  EXPECT_EQ(disk.files[kPath], bytes);
  EXPECT_EQ(disk.writeCalls(), 3);
  EXPECT_EQ(disk.files.size(), 1u);
}

TEST(SafeReplace, EveryFailurePointKeepsTheOldFile) {
  const std::string bytes = newContents();
  for (const DiskFaults& faults : failurePoints(bytes.size())) {
    SCOPED_TRACE(::testing::Message() << "write " << faults.failWriteNumber << ", byte "
                                      << faults.stopAfterByte << ", flush " << faults.failFlush
                                      << ", create " << faults.failCreate << ", move "
                                      << faults.failMove);
    MemoryDisk disk;
    disk.files[kPath] = kOld;
    disk.faults = faults;
    EXPECT_FALSE(replaceSafely(disk, kPath, bytes));
    EXPECT_EQ(disk.files[kPath], kOld);
    EXPECT_EQ(disk.files.size(), 1u);

    disk.faults = DiskFaults{};
    EXPECT_TRUE(replaceSafely(disk, kPath, bytes));
    EXPECT_EQ(disk.files[kPath], bytes);
    EXPECT_EQ(disk.files.size(), 1u);
  }
}

TEST(SafeReplace, AReadOnlyFileIsNotReplaced) {
  struct ReadOnlyDisk : MemoryDisk {
    bool isReadOnly(const std::wstring&) override { return true; }
  } disk;
  disk.files[kPath] = kOld;
  EXPECT_FALSE(replaceSafely(disk, kPath, "new"));
  EXPECT_EQ(disk.files[kPath], kOld);
  EXPECT_EQ(disk.writeCalls(), 0);
}

}  // namespace
}  // namespace quillmark
