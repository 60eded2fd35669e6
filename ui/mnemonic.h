#pragma once
// Access keys: the letter after a single "&" in a caption ("Clean &All" is Alt+A);
// "&&" shows one "&" and marks nothing.
#include <string>
#include <vector>

namespace ui {

// The upper-case key a caption marks, or 0 when it marks none.
char mnemonicOf(const std::string& caption);
// The caption as text, for places that show it outside a control (reports, questions).
std::string withoutMnemonic(const std::string& caption);
// Each key marked by more than one of the captions, as "A: Clean &All, &Add".
std::vector<std::string> mnemonicClashes(const std::vector<std::string>& captions);

}  // namespace ui
