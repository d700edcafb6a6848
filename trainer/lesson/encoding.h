// Lesson file encodings: which one a file uses (from its extension) and the
// text key under which a character code is looked up in data files.
#pragma once

#include <cstdint>
#include <string>

namespace morvane {

// The number that names a lesson file's encoding; also chooses its fonts.
enum class EncodingCode : int32_t {
  EucJp = 3001,      // ".kf", ".kg", any unknown extension, no extension
  Iso2022Jp = 3002,  // ".jis"
  Big5 = 3003,       // ".b5"
  Gb = 3004,         // ".gb" (GB 2312 in EUC-CN form)
  EucKr = 3005,      // ".euk"
  Sjs = 3006,        // ".sjs", read as EUC-JP
  Unicode = 3007,    // ".uc", ".uni": never read from a path
};

// The code of a path, from the text after its last "." (case does not matter).
EncodingCode encodingForPath(const std::wstring& path);

// The encoding's name for messages: "GB 2312", "Big5", "EUC-KR",
// "ISO-2022-JP", "Unicode", and "EUC-JP" for every other code.
const char* encodingName(EncodingCode code);

// A 16-bit character code as four lower-case hexadecimal digits, most
// significant first: the key of the stroke and feedback data.
std::string hexKey(uint16_t code);

}  // namespace morvane
