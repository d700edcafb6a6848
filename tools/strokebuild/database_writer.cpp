// Database files written whole, replacing an earlier build only when complete.
#include "database_writer.h"

#include "platform/utf8.h"

namespace morvane::strokebuild {

namespace {

void putLittleEndian32(uint8_t* p, uint32_t value) {
  for (int i = 0; i < 4; ++i) p[i] = static_cast<uint8_t>(value >> (8 * i));
}

}  // namespace

File& DatabaseWriter::beginRecord(uint16_t code) {
  const uint64_t recordStart = data_.bytes.size();
  uint8_t entry[12] = {};
  putLittleEndian32(entry, code);
  putLittleEndian32(entry + 4, static_cast<uint32_t>(recordStart));
  index_.seekTo(index_.bytes.size());
  index_.write(entry, sizeof entry);
  data_.seekTo(recordStart);
  ++records_;
  return data_;
}

bool DatabaseWriter::save(const std::string& folder, const std::string& base, std::string& error) {
  for (const auto& [extension, file] : {std::pair{".ind", &index_}, std::pair{".dat", &data_}}) {
    const std::string path = folder + "/" + base + extension;
    if (!replaceFileContents(fromUtf8(path), file->bytes.data(), file->bytes.size(), false)) {
      error = "cannot write " + path;
      return false;
    }
  }
  return true;
}

}  // namespace morvane::strokebuild
