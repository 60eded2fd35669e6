#pragma once
// What keeps an analysis quiet: message boxes the engines would show are answered with
// their default button without being shown, as pressing Enter would.
#include "platform/change_recorder.h"
#include "ui/prompter.h"

namespace vorn {

// The answer a message box's default button gives.
ui::Answer defaultAnswer(unsigned style);

class AnalysisPrompter : public ui::Prompter {
 public:
  AnalysisPrompter(ui::Prompter& inner, const platform::ChangeRecorder& recorder)
      : inner_(inner), recorder_(recorder) {}
  ui::Answer messageBox(const std::string& text, const std::string& title, unsigned style) override;
  int held() const { return held_; }  // boxes answered without being shown

 private:
  ui::Prompter& inner_;
  const platform::ChangeRecorder& recorder_;
  int held_ = 0;
};

}  // namespace vorn
