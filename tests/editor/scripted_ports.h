// Scripted stand-ins for the user: answers to questions and chosen file names.
#pragma once

#include <gtest/gtest.h>

#include <deque>
#include <string>
#include <vector>

#include "core/editor_ports.h"

namespace quillmark::fakes {

class ScriptedPrompt : public UserPrompt {
 public:
  std::deque<bool> answers;
  std::vector<std::wstring> questions, notices;

  bool askYesNo(const std::wstring& question) override {
    questions.push_back(question);
    if (answers.empty()) ADD_FAILURE() << "unexpected question";
    bool answer = !answers.empty() && answers.front();
    if (!answers.empty()) answers.pop_front();
    return answer;
  }
  void tell(const std::wstring& message) override { notices.push_back(message); }
};

class ScriptedChooser : public FileChooser {
 public:
  std::deque<std::wstring> paths;  // an empty path cancels
  int asked = 0;

  bool chooseFileToOpen(std::wstring& path) override { return next(path); }
  bool chooseFileToSave(std::wstring& path) override { return next(path); }

 private:
  bool next(std::wstring& path) {
    ++asked;
    if (paths.empty()) return false;
    path = paths.front();
    paths.pop_front();
    return !path.empty();
  }
};

}  // namespace quillmark::fakes
