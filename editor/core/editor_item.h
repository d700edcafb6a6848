// One lesson item as the editor holds it: three fixed-size wide-character fields.
#pragma once

#include <cstddef>
#include <string>

namespace quillmark {

// Wide characters per field, the closing zero included.
constexpr size_t kFieldLength = 250;

struct EditorItem {
  wchar_t hanzi[kFieldLength] = {};
  wchar_t meaning[kFieldLength] = {};
  wchar_t reading[kFieldLength] = {};
};

using Field = wchar_t[kFieldLength];

// The characters of a field up to its closing zero (at most kFieldLength).
std::wstring fieldText(const Field& field);

// Stores text into field with its closing zero. Text longer than the field is
// cut before the last character that fits whole (a surrogate pair is never
// split); returns false if anything was cut.
bool setField(Field& field, const std::wstring& text);

}  // namespace quillmark
