// morvane-inspect font: shows how the trainer reads an HBF font and its glyphs.
#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

#include "font_inspection.h"
#include "inspect_commands.h"

namespace morvane {

int inspectFont(int argc, char** argv) {
  bool json = false;
  std::string path;
  std::vector<uint16_t> codes;
  for (int i = 0; i < argc; ++i) {
    if (std::strcmp(argv[i], "--json") == 0) {
      json = true;
    } else if (path.empty()) {
      path = argv[i];
    } else {
      uint16_t code;
      if (!parseGlyphCode(argv[i], code)) {
        std::fprintf(stderr, "morvane-inspect font: '%s' is not a code of four hex digits\n",
                     argv[i]);
        return 2;
      }
      codes.push_back(code);
    }
  }
  if (path.empty()) {
    std::fprintf(stderr, "usage: morvane-inspect font [--json] FILE.hbf [CODE...]\n");
    return 2;
  }
  FontInspectionResult result = inspectFontFile(path, codes, json);
  std::fputs(result.output.c_str(), stdout);
  if (result.status != 0 && result.output.empty()) {
    std::fprintf(stderr, "morvane-inspect font: cannot open %s\n", path.c_str());
  }
  return result.status;
}

}  // namespace morvane
