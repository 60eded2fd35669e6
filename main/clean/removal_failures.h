#pragma once
// How a cleaning step reports what a folder or pattern removal left in place: the walk
// goes on past each refusal, and the step raises once at the end, so the engine's trap
// writes one record with the count and the first failure.
#include <string>

#include "platform/tree_removal.h"

namespace vorn {

// "<n> entries could not be removed; the first, <path>: <why>", with the number of
// links among them that were left in place because the system cannot remove them
// without reaching their target.
std::string removalFailureText(const platform::RemovalReport& report);

// Raises a run-time error with that text when anything stayed; returns otherwise.
void raiseRemovalFailures(const platform::RemovalReport& report);

}  // namespace vorn
