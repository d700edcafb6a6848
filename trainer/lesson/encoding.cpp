// Encoding choice by extension and the hexadecimal character key.
#include "lesson/encoding.h"

namespace morvane {

namespace {

struct ExtensionCode {
  const wchar_t* extension;
  EncodingCode code;
};

// Compared in this order; the first equal one wins.
const ExtensionCode kExtensions[] = {
    {L".kf", EncodingCode::EucJp},      {L".kg", EncodingCode::EucJp},
    {L".sjs", EncodingCode::Sjs},       {L".jis", EncodingCode::Iso2022Jp},
    {L".b5", EncodingCode::Big5},       {L".gb", EncodingCode::Gb},
    {L".euk", EncodingCode::EucKr},     {L".uc", EncodingCode::Unicode},
    {L".uni", EncodingCode::Unicode},
};

// Extensions are ASCII, so ASCII folding decides every comparison the same way
// on every platform.
wchar_t asciiLower(wchar_t c) { return (c >= L'A' && c <= L'Z') ? c - L'A' + L'a' : c; }

}  // namespace

EncodingCode encodingForPath(const std::wstring& path) {
  size_t dot = path.rfind(L'.');
  if (dot == std::wstring::npos) return EncodingCode::EucJp;
  std::wstring extension;
  for (size_t i = dot; i < path.size(); ++i) extension += asciiLower(path[i]);
  for (const ExtensionCode& entry : kExtensions) {
    if (extension == entry.extension) return entry.code;
  }
  return EncodingCode::EucJp;
}

std::string hexKey(uint16_t code) {
  static const char kDigits[] = "0123456789abcdef";
  std::string key(4, '0');
  for (int i = 0; i < 4; ++i) key[i] = kDigits[(code >> (12 - 4 * i)) & 0xF];
  return key;
}

const char* encodingName(EncodingCode code) {
  switch (code) {
    case EncodingCode::Iso2022Jp:
      return "ISO-2022-JP";
    case EncodingCode::Big5:
      return "Big5";
    case EncodingCode::Gb:
      return "GB 2312";
    case EncodingCode::EucKr:
      return "EUC-KR";
    case EncodingCode::Unicode:
      return "Unicode";
    default:
      return "EUC-JP";
  }
}

}  // namespace morvane
