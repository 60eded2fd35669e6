#include "main/clean/removal_failures.h"

#include "common/run_error.h"

namespace vorn {
namespace {

std::string reason(platform::ErrorCode error) {
  switch (error) {
    case platform::err::kNotSupported:
      return "a link, left in place";
    case platform::err::kReparsePointEncountered:
      return "reached through a link, not walked";
    default:
      return common::errorDescription(common::errorNumberFromWin32(error)) + " (" +
             std::to_string(error) + ")";
  }
}

}  // namespace

std::string removalFailureText(const platform::RemovalReport& report) {
  std::string text =
      std::to_string(report.notRemoved) + (report.notRemoved == 1 ? " entry" : " entries") +
      " could not be removed; the first, " + report.firstPath + ": " + reason(report.firstError);
  if (report.linksKept > 0 && report.firstError != platform::err::kNotSupported)
    text += "; links left in place: " + std::to_string(report.linksKept);
  return text;
}

void raiseRemovalFailures(const platform::RemovalReport& report) {
  if (report.complete()) return;
  const bool link = report.firstError == platform::err::kNotSupported ||
                    report.firstError == platform::err::kReparsePointEncountered;
  throw common::RunError(
      link ? common::errnum::kPathFileAccess : common::errorNumberFromWin32(report.firstError),
      removalFailureText(report));
}

}  // namespace vorn
