// Argument handling of "morvane-inspect lesson".
#include "lesson_inspector.h"

#include <memory>

#include "lesson/weighted_lesson.h"
#include "lesson_analysis.h"
#include "lesson_report.h"
#include "platform/file.h"
#include "platform/utf8.h"

namespace morvane {

int runLessonInspector(const std::vector<std::string>& args, std::ostream& out,
                       std::ostream& err) {
  bool json = false;
  bool optionsDone = false;
  std::vector<std::wstring> paths;
  for (const std::string& arg : args) {
    if (!optionsDone && arg == "--json") {
      json = true;
    } else if (!optionsDone && arg == "--") {
      optionsDone = true;
    } else if (!optionsDone && arg.size() > 1 && arg[0] == '-') {
      err << "morvane-inspect lesson: unknown option " << arg << "\n";
      err << "usage: morvane-inspect lesson [--json] FILE...\n";
      return 2;
    } else {
      paths.push_back(fromUtf8(arg));
    }
  }
  if (paths.empty()) {
    err << "usage: morvane-inspect lesson [--json] FILE...\n";
    return 2;
  }

  bool missing = false;
  for (const std::wstring& path : paths) {
    if (!openFileForRead(path)) {
      err << "morvane-inspect: cannot open lesson file \"" << toUtf8(path) << "\"\n";
      missing = true;
    }
  }
  if (missing) return 1;

  // As Multi-Open builds a lesson set: the first file makes the lesson, each
  // further one is added.
  auto lesson = std::make_unique<WeightedLesson>(paths[0], paths[0] + L".st", 0);
  for (size_t i = 1; i < paths.size(); ++i) lesson->addFile(paths[i], paths[i] + L".st");

  std::vector<FileAnalysis> files;
  for (const std::wstring& path : paths) files.push_back(analyseLessonFile(path, path + L".st"));
  if (json) {
    writeLessonJson(*lesson, files, out);
  } else {
    writeLessonText(*lesson, files, out);
  }
  return 0;
}

}  // namespace morvane
