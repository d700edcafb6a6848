// JSON text shared by the inspector's reports.
#pragma once

#include <string>

namespace morvane {

// utf8 as a quoted JSON string: quotes, backslashes and control bytes escaped.
std::string jsonString(const std::string& utf8);

}  // namespace morvane
