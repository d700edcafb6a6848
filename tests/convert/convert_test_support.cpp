// Helpers for the converter tests.
#include "convert_test_support.h"

#include <sstream>

#include "convert_command.h"
#include "platform/utf8.h"

namespace morvane::testing {

ConvertRun runConvertIn(const ScratchFolder& folder, const std::vector<std::string>& args) {
  std::vector<std::string> resolved;
  for (const std::string& arg : args) {
    if (arg.size() > 2 && arg.front() == '{' && arg.back() == '}') {
      resolved.push_back(toUtf8(folder.path(fromUtf8(arg.substr(1, arg.size() - 2)))));
    } else {
      resolved.push_back(arg);
    }
  }
  std::ostringstream err;
  int status = runConvert(resolved, err);
  return {status, err.str()};
}

std::vector<ItemText> lessonItems(const std::wstring& path) {
  Lesson lesson(path, 0);
  std::vector<ItemText> items;
  for (int32_t i = 0; i < lesson.itemCount(); ++i) {
    const LessonItem& item = *lesson.itemAt(i);
    items.push_back({cells(item.hanzi()), cells(item.reading()), toUtf8(item.meaning())});
  }
  return items;
}

}  // namespace morvane::testing
