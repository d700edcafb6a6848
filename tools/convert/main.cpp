// morvane-convert: UTF-8 word lists into lesson files and lessons back out.
#include <iostream>

#include "convert_command.h"
#include "platform/command_line.h"

int main(int argc, char** argv) {
  return morvane::runConvert(morvane::utf8Arguments(argc - 1, argv + 1), std::cerr);
}
