#pragma once
// Lines of text files that other programs write (cookie lists, preference files, keep
// lists): any bytes are taken, none is lost, whatever the line ends.
#include <string>
#include <vector>

namespace common {

// Splits at CR LF, LF or a lone CR. NUL and every other byte stay inside their line; a
// last line without an end is kept; a text ending in a line end gives no empty line after
// it, so splitLines(joinLines(x)) == x.
std::vector<std::string> splitLines(const std::string& text);

// Every line followed by `lineEnd`.
std::string joinLines(const std::vector<std::string>& lines, const std::string& lineEnd = "\r\n");

}  // namespace common
