// morvane-inspect: shows how the trainer sees lesson files, fonts, stroke data
// and the judgement of a drawn stroke.
#include <cstdio>
#include <cstring>

#include "inspect_commands.h"

namespace {

void usage() {
  std::fprintf(stderr,
               "usage: morvane-inspect lesson [--json] FILE...\n"
               "       morvane-inspect font [--json] FILE.hbf [CODE...]\n"
               "       morvane-inspect strokes [--json] [--big5] [--data DIR] CODE...\n"
               "       morvane-inspect judge [--json] [--big5] [--data DIR] CODE[,CODE...] N X,Y "
               "[X,Y ...]\n");
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 2) {
    usage();
    return 2;
  }
  if (std::strcmp(argv[1], "lesson") == 0) return morvane::inspectLesson(argc - 2, argv + 2);
  if (std::strcmp(argv[1], "font") == 0) return morvane::inspectFont(argc - 2, argv + 2);
  if (std::strcmp(argv[1], "strokes") == 0) return morvane::inspectStrokes(argc - 2, argv + 2);
  if (std::strcmp(argv[1], "judge") == 0) return morvane::inspectJudge(argc - 2, argv + 2);
  usage();
  return 2;
}
