#include <cstdio>

#include "message_box.h"
#include "utf8.h"

namespace morvane {

namespace {

class StderrReporter : public MessageReporter {
 public:
  void show(const std::wstring& text, const std::wstring& title) override {
    std::fprintf(stderr, "%s: %s\n", toUtf8(title).c_str(), toUtf8(text).c_str());
  }
};

}  // namespace

MessageReporter& platformReporter() {
  static StderrReporter reporter;
  return reporter;
}

}  // namespace morvane
