#pragma once
// Message boxes as a service: the Win32 build shows real ones, tests script the answers
// and record what was asked.
#include <string>

namespace ui {

// Button sets, icons and default buttons, with the MessageBox values.
namespace mb {
inline constexpr unsigned kOk = 0x0;
inline constexpr unsigned kOkCancel = 0x1;
inline constexpr unsigned kYesNo = 0x4;
inline constexpr unsigned kIconError = 0x10;
inline constexpr unsigned kIconQuestion = 0x20;
inline constexpr unsigned kIconWarning = 0x30;
inline constexpr unsigned kIconInformation = 0x40;
inline constexpr unsigned kDefaultButton2 = 0x100;
}  // namespace mb

// Answers, with the IDOK.. values.
enum class Answer { Ok = 1, Cancel = 2, Yes = 6, No = 7 };

class Prompter {
 public:
  virtual ~Prompter() = default;
  virtual Answer messageBox(const std::string& text, const std::string& title, unsigned style) = 0;
};

}  // namespace ui
