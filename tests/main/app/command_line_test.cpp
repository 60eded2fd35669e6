// The command line's splitting and switches, over every switch and the bad forms a
// script or a scheduled task's entry may hold.
#include "main/app/command_line.h"

#include <gtest/gtest.h>

namespace vorn {
namespace {

using Mode = CommandLine::Mode;

TEST(SplitArguments, FollowsTheRuntimesQuotingRules) {
  const struct {
    const char* line;
    std::vector<std::string> args;
  } cases[] = {
      {"", {}},
      {"  \t ", {}},
      {"/auto  /analyze", {"/auto", "/analyze"}},
      {"\"/report:C:\\My Files\\a.txt\"", {"/report:C:\\My Files\\a.txt"}},
      {"/report:\"C:\\My Files\\a.txt\" /auto", {"/report:C:\\My Files\\a.txt", "/auto"}},
      {"a\\\\b c\\d", {"a\\\\b", "c\\d"}},        // backslashes not before a quote stay
      {"\"C:\\dir\\\\\" x", {"C:\\dir\\", "x"}},  // 2n before a quote: n, and the quote groups
      {"a\\\"b", {"a\"b"}},                       // 2n+1: n and a literal quote
      {"\"a \"\"b\"\" c\"", {"a \"b\" c"}},
      {"\"\"", {""}},
      {"\"unterminated path", {"unterminated path"}},
  };
  for (const auto& c : cases) EXPECT_EQ(splitArguments(c.line), c.args) << c.line;
}

TEST(ParseCommandLine, AcceptsEverySwitchInAnyCaseWithSlashOrDash) {
  AreaSelection operaIe = AreaSelection::none();
  operaIe.opera = operaIe.ie = true;
  AreaSelection each = AreaSelection::none();
  each.netscape = each.windows = each.userDefined = each.plugins = true;
  const struct {
    const char* line;
    Mode mode;
    AreaSelection areas;
    const char* report;
  } cases[] = {
      {"", Mode::Window, {}, ""},
      {"/auto", Mode::Auto, {}, ""},
      {"-AUTO", Mode::Auto, {}, ""},
      {"/Analyze", Mode::Analyze, {}, ""},
      {"/?", Mode::Usage, {}, ""},
      {"-?", Mode::Usage, {}, ""},
      {"/auto /bogus /?", Mode::Usage, {}, ""},  // the usage wins
      {"/auto /areas:opera,IE", Mode::Auto, operaIe, ""},
      {"/areas:\" ie , opera \" /analyze", Mode::Analyze, operaIe, ""},
      {"/auto -AREAS:netscape,windows,userdef,plugins", Mode::Auto, each, ""},
      {"/auto /areas:opera,opera,ie", Mode::Auto, operaIe, ""},
      {"/analyze /report:C:\\x\\a.txt", Mode::Analyze, {}, "C:\\x\\a.txt"},
      {"/auto /REPORT:\"C:\\My Files\\run report.txt\"",
       Mode::Auto,
       {},
       "C:\\My Files\\run report.txt"},
      {"\"/report:d:\\with blank\\r.txt\" -auto", Mode::Auto, {}, "d:\\with blank\\r.txt"},
      {"/auto /report:\\\\server\\share\\r.txt", Mode::Auto, {}, "\\\\server\\share\\r.txt"},
  };
  for (const auto& c : cases) {
    const CommandLine line = parseCommandLine(c.line);
    EXPECT_EQ(line.mode, c.mode) << c.line << ": " << line.error;
    EXPECT_TRUE(line.areas == c.areas) << c.line;
    EXPECT_EQ(line.reportPath, c.report) << c.line;
    EXPECT_EQ(line.error, "") << c.line;
  }
}

TEST(ParseCommandLine, RefusesBadFormsAndSaysWhy) {
  const struct {
    const char* line;
    const char* why;  // a part of the reason
  } cases[] = {
      {"/bogus", "unknown switch \"/bogus\""},
      {"auto", "unknown argument \"auto\""},
      {"/", "unknown argument \"/\""},
      {"/auto extra", "unknown argument \"extra\""},
      {"/autox", "unknown switch"},
      {"/auto:yes", "/auto takes no value"},
      {"/analyze:", "/analyze takes no value"},
      {"/auto /auto", "/auto is given twice"},
      {"/auto /AUTO", "/auto is given twice"},
      {"/auto /areas:ie -areas:opera", "/areas is given twice"},
      {"/auto /report:C:\\a.txt /report:C:\\b.txt", "/report is given twice"},
      {"/auto /analyze", "exclude each other"},
      {"/auto /areas:", "/areas: needs a value"},
      {"/auto /areas", "/areas: needs a value"},
      {"/auto \"/areas: \"", "/areas: needs a value"},
      {"/auto /report:", "/report: needs a value"},
      {"/auto /report:\"\"", "/report: needs a value"},
      {"/auto /areas:ie,,opera", "empty entry"},
      {"/auto /areas:ie,", "empty entry"},
      {"/auto /areas:chrome", "unknown area \"chrome\""},
      {"/auto /report:a.txt", "not a full path"},
      {"/auto /report:C:a.txt", "not a full path"},
      {"/auto /report:\\a.txt", "not a full path"},
      {"/areas:ie", "/areas needs /auto or /analyze"},
      {"/report:C:\\a.txt", "/report needs /auto or /analyze"},
  };
  for (const auto& c : cases) {
    const CommandLine line = parseCommandLine(c.line);
    EXPECT_EQ(line.mode, Mode::Invalid) << c.line;
    EXPECT_NE(line.error.find(c.why), std::string::npos) << c.line << ": " << line.error;
    EXPECT_FALSE(line.unattended()) << c.line;
  }
}

}  // namespace
}  // namespace vorn
