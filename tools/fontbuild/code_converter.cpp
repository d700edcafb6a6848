// iconv conversion of single two-byte codes to Unicode.
#include "code_converter.h"

#include <iconv.h>

namespace morvane::fontbuild {

CodeConverter::~CodeConverter() {
  if (cd_) iconv_close(static_cast<iconv_t>(cd_));
}

bool CodeConverter::open(const std::string& charset) {
  iconv_t cd = iconv_open("UTF-32LE", charset.c_str());
  if (cd == reinterpret_cast<iconv_t>(-1)) return false;
  cd_ = cd;
  return true;
}

uint32_t CodeConverter::toUnicode(uint8_t lead, uint8_t trail) {
  iconv_t cd = static_cast<iconv_t>(cd_);
  iconv(cd, nullptr, nullptr, nullptr, nullptr);
  char in[2] = {static_cast<char>(lead), static_cast<char>(trail)};
  unsigned char out[8] = {};
  char* inPtr = in;
  char* outPtr = reinterpret_cast<char*>(out);
  size_t inLeft = 2, outLeft = sizeof out;
  if (iconv(cd, &inPtr, &inLeft, &outPtr, &outLeft) == static_cast<size_t>(-1)) return 0;
  if (inLeft != 0 || sizeof out - outLeft != 4) return 0;
  return out[0] | out[1] << 8 | out[2] << 16 | static_cast<uint32_t>(out[3]) << 24;
}

}  // namespace morvane::fontbuild
