// A lesson set read file by file.
#include "app/lesson_set.h"

#include <algorithm>

namespace morvane {

std::wstring progressPathFor(const std::wstring& lessonPath) { return lessonPath + L".st"; }

std::unique_ptr<WeightedLesson> readLessonSet(const std::vector<std::wstring>& paths) {
  std::unique_ptr<WeightedLesson> lesson;
  for (const std::wstring& path : paths) {
    if (!lesson) {
      lesson = std::make_unique<WeightedLesson>(path, progressPathFor(path), 0);
    } else {
      lesson->addFile(path, progressPathFor(path));
    }
  }
  return lesson;
}

std::vector<std::wstring> takeOtherEncodings(std::vector<std::wstring>& paths) {
  std::vector<std::wstring> refused;
  if (paths.empty()) return refused;
  const EncodingCode first = encodingForPath(paths.front());
  auto other = [first](const std::wstring& path) { return encodingForPath(path) != first; };
  std::copy_if(paths.begin(), paths.end(), std::back_inserter(refused), other);
  paths.erase(std::remove_if(paths.begin(), paths.end(), other), paths.end());
  return refused;
}

namespace {

// At most this many files are named; the rest are counted.
constexpr size_t kNamedFiles = 10;

std::wstring fileName(const std::wstring& path) {
  const size_t slash = path.find_last_of(L"\\/");
  return slash == std::wstring::npos ? path : path.substr(slash + 1);
}

std::wstring wideName(EncodingCode code) {
  const std::string name = encodingName(code);
  return std::wstring(name.begin(), name.end());
}

}  // namespace

std::wstring otherEncodingsMessage(const std::wstring& firstPath,
                                   const std::vector<std::wstring>& refused) {
  std::wstring text = L"A lesson set is in one encoding, " +
                      wideName(encodingForPath(firstPath)) + L" like " + fileName(firstPath) +
                      L". These files were not added:\n";
  for (size_t i = 0; i < refused.size() && i < kNamedFiles; ++i) {
    text += L"\n" + fileName(refused[i]) + L" (" + wideName(encodingForPath(refused[i])) + L")";
  }
  if (refused.size() > kNamedFiles) {
    text += L"\n...and " + std::to_wstring(refused.size() - kNamedFiles) + L" more.";
  }
  return text;
}

}  // namespace morvane
