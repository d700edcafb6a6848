// Character set conversion with iconv (POSIX systems).
#include <iconv.h>

#include <cstdint>

#include "charset_converter.h"

namespace morvane {

namespace {

class IconvConverter : public CharsetConverter {
 public:
  IconvConverter(iconv_t toCharset, iconv_t fromCharset)
      : toCharset_(toCharset), fromCharset_(fromCharset) {}
  ~IconvConverter() override {
    iconv_close(toCharset_);
    iconv_close(fromCharset_);
  }
  IconvConverter(const IconvConverter&) = delete;
  IconvConverter& operator=(const IconvConverter&) = delete;

  std::string encode(char32_t c) override {
    uint8_t in[4] = {static_cast<uint8_t>(c), static_cast<uint8_t>(c >> 8),
                     static_cast<uint8_t>(c >> 16), static_cast<uint8_t>(c >> 24)};
    char out[8];
    if (!run(toCharset_, reinterpret_cast<char*>(in), sizeof in, out, sizeof out)) return "";
    return std::string(out, sizeof out - left_);
  }

  char32_t decode(const std::string& bytes) override {
    uint8_t out[8];
    std::string in = bytes;
    if (!run(fromCharset_, in.data(), in.size(), reinterpret_cast<char*>(out), sizeof out) ||
        sizeof out - left_ != 4) {
      return 0;
    }
    return static_cast<char32_t>(out[0] | out[1] << 8 | out[2] << 16 |
                                 static_cast<uint32_t>(out[3]) << 24);
  }

 private:
  // Converts all of in; the output space left over is in left_.
  bool run(iconv_t cd, char* in, size_t inSize, char* out, size_t outSize) {
    iconv(cd, nullptr, nullptr, nullptr, nullptr);
    size_t inLeft = inSize;
    left_ = outSize;
    if (iconv(cd, &in, &inLeft, &out, &left_) == static_cast<size_t>(-1) || inLeft != 0) {
      return false;
    }
    return iconv(cd, nullptr, nullptr, &out, &left_) != static_cast<size_t>(-1);
  }

  iconv_t toCharset_;
  iconv_t fromCharset_;
  size_t left_ = 0;
};

const char* iconvName(LegacyCharset charset) {
  switch (charset) {
    case LegacyCharset::Gb2312:
      return "GB2312";
    case LegacyCharset::Big5:
      return "BIG5";
    case LegacyCharset::EucKr:
      return "EUC-KR";
    case LegacyCharset::EucJp:
      return "EUC-JP";
  }
  return "";
}

}  // namespace

std::unique_ptr<CharsetConverter> makeCharsetConverter(LegacyCharset charset) {
  iconv_t to = iconv_open(iconvName(charset), "UTF-32LE");
  if (to == reinterpret_cast<iconv_t>(-1)) return nullptr;
  iconv_t from = iconv_open("UTF-32LE", iconvName(charset));
  if (from == reinterpret_cast<iconv_t>(-1)) {
    iconv_close(to);
    return nullptr;
  }
  return std::make_unique<IconvConverter>(to, from);
}

}  // namespace morvane
