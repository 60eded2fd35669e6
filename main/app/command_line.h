#pragma once
// The cleaner's command line, for scripts and scheduled tasks: what to run without a
// window (/auto cleans, /analyze only lists), which areas (/areas:ie,opera), where to
// copy the report (/report:PATH), and /? for the usage. Pure text in, decision out, so
// every form is tested natively.
#include <string>
#include <string_view>
#include <vector>

namespace vorn {

// Exit codes of an unattended run, for a batch file's %ERRORLEVEL%.
namespace exitcode {
inline constexpr int kDone = 0;            // everything ticked was cleaned or analysed
inline constexpr int kNotAllRemoved = 1;   // some items stayed; the report says which and why
inline constexpr int kBadCommandLine = 2;  // nothing was changed; the log says why
inline constexpr int kBusy = 3;            // another run holds the run mutex
}  // namespace exitcode

// The areas an unattended run may be limited to, in "Clean All" order.
struct AreaSelection {
  bool ie = true, netscape = true, opera = true, windows = true, userDefined = true, plugins = true;
  bool operator==(const AreaSelection&) const = default;
  static AreaSelection none() { return {false, false, false, false, false, false}; }
};

struct CommandLine {
  enum class Mode { Window, Auto, Analyze, Usage, Invalid };
  Mode mode = Mode::Window;
  AreaSelection areas;
  std::string reportPath;  // empty: none asked for
  std::string error;       // why the line is invalid (Mode::Invalid)

  bool unattended() const { return mode == Mode::Auto || mode == Mode::Analyze; }
};

// Splits a command line into arguments the way the C runtime does: blanks separate,
// double quotes group (and may start mid-argument), 2n backslashes before a quote give n
// and the quote groups, 2n+1 give n and a literal quote; other backslashes are literal.
std::vector<std::string> splitArguments(std::string_view line);

// The switches after the program's name (WinMain's command line). Names in any case,
// led by '/' or '-'. Anything unknown, repeated, empty or contradictory gives
// Mode::Invalid with the reason.
CommandLine parseCommandLine(std::string_view arguments);

// The text /? shows.
std::string usageText();

}  // namespace vorn
