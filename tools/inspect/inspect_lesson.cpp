// morvane-inspect lesson: shows how the trainer sees lesson files.
#include <iostream>
#include <string>
#include <vector>

#include "inspect_commands.h"
#include "lesson_inspector.h"

namespace morvane {

int inspectLesson(int argc, char** argv) {
  std::vector<std::string> args(argv, argv + argc);
  return runLessonInspector(args, std::cout, std::cerr);
}

}  // namespace morvane
