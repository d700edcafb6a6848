// Argument handling of "morvane-inspect lesson".
#include "lesson_inspector.h"

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

  InspectedLesson inspected = inspectLessonFiles(paths);
  if (json) {
    writeLessonJson(*inspected.lesson, inspected.files, out);
  } else {
    writeLessonText(*inspected.lesson, inspected.files, out);
  }
  return 0;
}

}  // namespace morvane
