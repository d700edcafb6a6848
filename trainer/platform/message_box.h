// Modal messages to the user (text and title), so the core can report without
// knowing the platform: MessageBoxW with no owner on Windows, stderr elsewhere.
#pragma once

#include <string>

namespace morvane {

class MessageReporter {
 public:
  virtual ~MessageReporter() = default;
  // Shows text under title and returns once the user has seen it.
  virtual void show(const std::wstring& text, const std::wstring& title) = 0;
};

// The platform's reporter.
MessageReporter& platformReporter();

}  // namespace morvane
