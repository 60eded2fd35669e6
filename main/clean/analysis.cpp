#include "main/clean/analysis.h"

namespace vorn {

ui::Answer defaultAnswer(unsigned style) {
  const bool second = (style & 0xF00) == ui::mb::kDefaultButton2;
  switch (style & 0xF) {
    case ui::mb::kYesNo:
      return second ? ui::Answer::No : ui::Answer::Yes;
    case ui::mb::kOkCancel:
      return second ? ui::Answer::Cancel : ui::Answer::Ok;
    default:
      return ui::Answer::Ok;
  }
}

ui::Answer AnalysisPrompter::messageBox(const std::string& text, const std::string& title,
                                        unsigned style) {
  if (!recorder_.analyzing()) return inner_.messageBox(text, title, style);
  ++held_;
  return defaultAnswer(style);
}

}  // namespace vorn
