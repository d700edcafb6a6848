#include <windows.h>

#include "message_box.h"

namespace morvane {

namespace {

class MessageBoxReporter : public MessageReporter {
 public:
  void show(const std::wstring& text, const std::wstring& title) override {
    MessageBoxW(nullptr, text.c_str(), title.c_str(), MB_OK);
  }
};

}  // namespace

MessageReporter& platformReporter() {
  static MessageBoxReporter reporter;
  return reporter;
}

}  // namespace morvane
