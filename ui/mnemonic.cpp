#include "ui/mnemonic.h"

#include <map>

namespace ui {

char mnemonicOf(const std::string& caption) {
  for (std::size_t i = 0; i + 1 < caption.size(); ++i) {
    if (caption[i] != '&') continue;
    const char next = caption[i + 1];
    if (next == '&') {
      ++i;
      continue;
    }
    return next >= 'a' && next <= 'z' ? static_cast<char>(next - 'a' + 'A') : next;
  }
  return 0;
}

std::string withoutMnemonic(const std::string& caption) {
  std::string text;
  for (std::size_t i = 0; i < caption.size(); ++i) {
    if (caption[i] == '&' && i + 1 < caption.size()) ++i;
    text += caption[i];
  }
  return text;
}

std::vector<std::string> mnemonicClashes(const std::vector<std::string>& captions) {
  std::map<char, std::vector<const std::string*>> byKey;
  for (const std::string& c : captions)
    if (char key = mnemonicOf(c)) byKey[key].push_back(&c);
  std::vector<std::string> clashes;
  for (const auto& [key, holders] : byKey) {
    if (holders.size() < 2) continue;
    std::string line = std::string(1, key) + ":";
    for (std::size_t i = 0; i < holders.size(); ++i) line += (i ? ", " : " ") + *holders[i];
    clashes.push_back(line);
  }
  return clashes;
}

}  // namespace ui
