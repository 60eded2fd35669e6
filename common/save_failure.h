#pragma once
// What the user and the log are told when a file of the program's own (settings, keep
// lists, user-defined lists) could not be saved. A save that fails in silence lets the
// next cleaning run on the old file, against what the user sees.
#include <string>

#include "platform/win_types.h"

namespace common {

// "the disk is full", "the file is read-only or access to it is denied", ...; for a code
// without a sentence of its own, "error <code>".
std::string saveFailureReason(platform::ErrorCode code);

// "<What> could not be saved: <reason>.\r\n\r\n<path>", e.g. "The keep list could not
// be saved: the disk is full." followed by the file.
std::string saveFailureMessage(const std::string& what, const std::string& path,
                               platform::ErrorCode code);

// One line for the log: "<path> could not be saved: <reason> (<code>)".
std::string saveFailureLogText(const std::string& path, platform::ErrorCode code);

}  // namespace common
