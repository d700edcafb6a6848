// Code page decoding through iconv, under the names glibc gives the Windows code pages.
#include <iconv.h>

#include "platform/code_page.h"

namespace morvane {

namespace {

const char* iconvName(uint32_t codePage) {
  switch (codePage) {
    case 936: return "CP936";
    case 949: return "CP949";
    case 950: return "CP950";
    case 20932: return "EUC-JP";
  }
  return nullptr;
}

}  // namespace

std::u16string decodeCodePage(uint32_t codePage, const uint8_t* bytes, size_t n) {
  const char* name = iconvName(codePage);
  if (!name || n == 0 || n > 16) return {};
  iconv_t converter = iconv_open("UTF-16LE", name);
  if (converter == reinterpret_cast<iconv_t>(-1)) return {};
  char in[16];
  char out[64];
  for (size_t i = 0; i < n; ++i) in[i] = static_cast<char>(bytes[i]);
  char* inPtr = in;
  char* outPtr = out;
  size_t inLeft = n;
  size_t outLeft = sizeof out;
  const size_t result = iconv(converter, &inPtr, &inLeft, &outPtr, &outLeft);
  iconv_close(converter);
  if (result == static_cast<size_t>(-1) || inLeft != 0) return {};
  std::u16string text;
  for (char* p = out; p + 1 < outPtr; p += 2) {
    text.push_back(static_cast<char16_t>(static_cast<uint8_t>(p[0]) |
                                         static_cast<uint8_t>(p[1]) << 8));
  }
  return text;
}

}  // namespace morvane
