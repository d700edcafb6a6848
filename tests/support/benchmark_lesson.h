// The lesson a start-up benchmark opens: ITEMS generated items, or a lesson
// file given by its path (a real dictionary), its items counted as its lines.
#pragma once

#include <cstdlib>
#include <fstream>
#include <iterator>
#include <string>

namespace morvane::bench {

struct BenchmarkLesson {
  std::string bytes;
  int items = 0;
  std::string extension = ".gb";  // the file's, which names its encoding
  bool fromFile = false;          // items may then be fewer than lines
};

// False if arg is neither a positive number nor a readable file.
template <class Generate>
bool benchmarkLesson(const char* arg, int defaultItems, Generate generate, BenchmarkLesson& out) {
  char* end = nullptr;
  const long number = arg != nullptr ? std::strtol(arg, &end, 10) : defaultItems;
  if (arg == nullptr || (*end == '\0' && end != arg)) {
    if (number < 1) return false;
    out.items = static_cast<int>(number);
    out.bytes = generate(out.items);
    return true;
  }
  std::ifstream file(arg, std::ios::binary);
  if (!file) return false;
  const std::string path = arg;
  const size_t dot = path.find_last_of("./\\");
  if (dot != std::string::npos && path[dot] == '.') out.extension = path.substr(dot);
  out.bytes.assign(std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>());
  out.fromFile = true;
  out.items = 0;
  for (char c : out.bytes) out.items += c == '\n';
  return out.items > 0;
}

}  // namespace morvane::bench
