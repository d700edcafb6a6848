// morvane-inspect lesson: shows how the trainer sees lesson files.
#include <iostream>

#ifdef _WIN32
#include <fcntl.h>
#include <io.h>

#include <cstdio>
#endif

#include "inspect_commands.h"
#include "lesson_inspector.h"
#include "platform/command_line.h"

namespace morvane {

int inspectLesson(int argc, char** argv) {
#ifdef _WIN32
  // The same bytes as on other systems: LF line ends, not CR LF.
  std::fflush(stdout);
  _setmode(_fileno(stdout), _O_BINARY);
#endif
  return runLessonInspector(utf8Arguments(argc, argv), std::cout, std::cerr);
}

}  // namespace morvane
