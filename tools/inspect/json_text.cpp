#include "json_text.h"

namespace morvane {

std::string jsonString(const std::string& utf8) {
  std::string out = "\"";
  for (char c : utf8) {
    char escaped[6];
    out.append(escaped, putJsonByte(escaped, static_cast<uint8_t>(c)));
  }
  return out + "\"";
}

}  // namespace morvane
