#pragma once
// A prompter for tests: records every message box and answers from a script, or with
// the first button of the set when the script is empty.
#include <deque>
#include <vector>

#include "ui/prompter.h"

namespace ui {

class ScriptedPrompter : public Prompter {
 public:
  struct Shown {
    std::string text, title;
    unsigned style;
  };

  Answer messageBox(const std::string& text, const std::string& title, unsigned style) override {
    shown.push_back({text, title, style});
    if (!answers.empty()) {
      Answer a = answers.front();
      answers.pop_front();
      return a;
    }
    return (style & 0xF) == mb::kYesNo ? Answer::Yes : Answer::Ok;
  }

  std::deque<Answer> answers;
  std::vector<Shown> shown;
};

}  // namespace ui
