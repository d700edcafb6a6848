#include "json_text.h"

#include <cstdint>
#include <cstdio>

namespace morvane {

std::string jsonString(const std::string& utf8) {
  std::string out = "\"";
  for (char c : utf8) {
    uint8_t b = static_cast<uint8_t>(c);
    if (c == '"' || c == '\\') {
      out += '\\';
      out += c;
    } else if (b < 0x20) {
      char escape[8];
      std::snprintf(escape, sizeof escape, "\\u%04x", b);
      out += escape;
    } else {
      out += c;
    }
  }
  return out + "\"";
}

}  // namespace morvane
