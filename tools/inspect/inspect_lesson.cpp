// morvane-inspect lesson: shows how the trainer sees lesson files.
#include <iostream>
#include <string>
#include <vector>

#ifdef _WIN32
#include <fcntl.h>
#include <io.h>
#include <windows.h>
#include <shellapi.h>

#include <cstdio>

#include "platform/utf8.h"
#endif

#include "inspect_commands.h"
#include "lesson_inspector.h"

namespace morvane {

namespace {

// The subcommand's arguments as UTF-8. Windows passes main() its arguments in
// the ANSI code page, which cannot name every file; the wide command line can.
std::vector<std::string> utf8Arguments(int argc, char** argv) {
  std::vector<std::string> args(argv, argv + argc);
#ifdef _WIN32
  int count = 0;
  LPWSTR* wide = CommandLineToArgvW(GetCommandLineW(), &count);
  if (wide && count >= argc) {
    for (int i = 0; i < argc; ++i) args[i] = toUtf8(wide[count - argc + i]);
  }
  if (wide) LocalFree(wide);
#endif
  return args;
}

}  // namespace

int inspectLesson(int argc, char** argv) {
#ifdef _WIN32
  // The same bytes as on other systems: LF line ends, not CR LF.
  std::fflush(stdout);
  _setmode(_fileno(stdout), _O_BINARY);
#endif
  return runLessonInspector(utf8Arguments(argc, argv), std::cout, std::cerr);
}

}  // namespace morvane
