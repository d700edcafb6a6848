// Reading the clipboard back in the Windows tests, as another program would.
#pragma once

#include <windows.h>

#include <string>

namespace morvane::fakes {

// The bytes of a clipboard format (the whole block), or "" when it is absent.
std::string clipboardBytes(UINT format);

// The CF_UNICODETEXT text up to its first zero.
std::wstring clipboardUnicode();

}  // namespace morvane::fakes
