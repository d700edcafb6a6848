// Command-line arguments on Windows, from the wide command line.
#include <windows.h>
// After windows.h, which it needs.
#include <shellapi.h>

#include "command_line.h"
#include "utf8.h"

namespace morvane {

std::vector<std::string> utf8Arguments(int argc, char** argv) {
  std::vector<std::string> args(argv, argv + argc);
  int count = 0;
  LPWSTR* wide = CommandLineToArgvW(GetCommandLineW(), &count);
  if (wide && count >= argc) {
    for (int i = 0; i < argc; ++i) args[i] = toUtf8(wide[count - argc + i]);
  }
  if (wide) LocalFree(wide);
  return args;
}

}  // namespace morvane
