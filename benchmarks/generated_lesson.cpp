// Generated lessons and scratch files of the benchmarks.
#include "generated_lesson.h"

#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>

namespace morvane::bench {

namespace {

struct Lcg {
  uint32_t state;
  uint32_t next(uint32_t bound) {
    state = state * 1664525u + 1013904223u;
    return (state >> 8) % bound;
  }
  char in(int low, int high) { return static_cast<char>(low + static_cast<int>(next(high - low + 1))); }
};

std::string hanzi(Lcg& random, EncodingCode code) {
  std::string out;
  if (code == EncodingCode::Iso2022Jp) {
    out += random.in(0x30, 0x4F);
    out += random.in(0x21, 0x7E);
  } else if (code == EncodingCode::Big5) {
    out += random.in(0xA4, 0xC6);
    out += random.in(0xA1, 0xFE);
  } else {
    out += random.in(0xB0, 0xC8);
    out += random.in(0xA1, 0xFE);
  }
  return out;
}

std::string word(Lcg& random, int length) {
  std::string out;
  for (int i = 0; i < length; ++i) out += random.in('a', 'z');
  return out;
}

}  // namespace

std::string generatedLesson(EncodingCode code, int items) {
  Lcg random{20261208};
  const bool jis = code == EncodingCode::Iso2022Jp;
  std::string text;
  text.reserve(static_cast<size_t>(items) * 60);
  for (int i = 0; i < items; ++i) {
    int syllables = 2 + static_cast<int>(random.next(3));
    if (jis) text += "\x1b$B";
    for (int s = 0; s < syllables; ++s) text += hanzi(random, code);
    if (jis) text += "\x1b(B";
    text += " [";
    for (int s = 0; s < syllables; ++s) {
      if (s > 0) text += ' ';
      text += word(random, 2 + static_cast<int>(random.next(3))) + random.in('1', '5');
    }
    text += "] /" + word(random, 3 + static_cast<int>(random.next(6))) + " " +
            word(random, 2 + static_cast<int>(random.next(5))) + "/" +
            word(random, 3 + static_cast<int>(random.next(6))) + "/\r\n";
  }
  return text;
}

std::string scratchFolder() {
  // Made once and removed at exit; the name is never destroyed, so it is
  // still there when the removal runs.
  static const std::string* folder = [] {
    auto* name = new std::string((std::filesystem::temp_directory_path() /
                                  ("morvane-bench-" + std::to_string(getpid())))
                                     .string());
    std::filesystem::create_directories(*name);
    std::atexit([] {
      std::error_code ignored;
      std::filesystem::remove_all(*folder, ignored);
    });
    return name;
  }();
  return *folder;
}

void writeFile(const std::string& path, const std::string& bytes) {
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
}

}  // namespace morvane::bench
