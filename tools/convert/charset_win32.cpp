// Character set conversion with the Windows code pages. There is no GB 2312
// code page, so GB uses code page 936 (GBK) and the caller keeps to the
// GB 2312 part of it; EUC-KR likewise uses 949 (UHC).
#include <windows.h>

#include "charset_converter.h"

namespace morvane {

namespace {

class CodePageConverter : public CharsetConverter {
 public:
  explicit CodePageConverter(UINT codePage) : codePage_(codePage) {}

  std::string encode(char32_t c) override {
    wchar_t wide[2];
    int units = 1;
    if (c >= 0x10000) {
      wide[0] = static_cast<wchar_t>(0xD800 | ((c - 0x10000) >> 10));
      wide[1] = static_cast<wchar_t>(0xDC00 | ((c - 0x10000) & 0x3FF));
      units = 2;
    } else {
      wide[0] = static_cast<wchar_t>(c);
    }
    char out[8];
    BOOL usedDefault = FALSE;
    int n = WideCharToMultiByte(codePage_, WC_NO_BEST_FIT_CHARS, wide, units, out, sizeof out,
                                nullptr, &usedDefault);
    if (n <= 0 || usedDefault) return "";
    return std::string(out, static_cast<size_t>(n));
  }

  char32_t decode(const std::string& bytes) override {
    wchar_t wide[4];
    int n = MultiByteToWideChar(codePage_, MB_ERR_INVALID_CHARS, bytes.data(),
                                static_cast<int>(bytes.size()), wide, 4);
    if (n == 1) return static_cast<char32_t>(wide[0]);
    if (n == 2 && wide[0] >= 0xD800 && wide[0] < 0xDC00) {
      return 0x10000 + ((static_cast<char32_t>(wide[0]) - 0xD800) << 10) +
             (static_cast<char32_t>(wide[1]) - 0xDC00);
    }
    return 0;
  }

 private:
  UINT codePage_;
};

UINT codePageOf(LegacyCharset charset) {
  switch (charset) {
    case LegacyCharset::Gb2312:
      return 936;
    case LegacyCharset::Big5:
      return 950;
    case LegacyCharset::EucKr:
      return 949;
    case LegacyCharset::EucJp:
      return 20932;
  }
  return 0;
}

}  // namespace

std::unique_ptr<CharsetConverter> makeCharsetConverter(LegacyCharset charset) {
  UINT codePage = codePageOf(charset);
  if (!IsValidCodePage(codePage)) return nullptr;
  return std::make_unique<CodePageConverter>(codePage);
}

}  // namespace morvane
