#pragma once
// /auto and /analyze: the cleaner's load, then "Clean All" or its analysis over the
// chosen areas, with no window shown and no message box; the report also written where
// the command line asks; an exit code for the script that started it.
#include <optional>
#include <string>

#include "main/app/app_services.h"
#include "main/app/command_line.h"
#include "main/app/main_window.h"
#include "main/app/wiring.h"

namespace vorn {

// Where /analyze leaves its analysis, beside the log and the cleaning report.
inline constexpr const char* kAnalysisFile = "vorn-analysis.txt";

// Why the report cannot be written at `path` (no folder there, a folder or a read-only
// file in its place, a refused write), or nothing. A trial file beside it is written and
// removed again.
std::optional<std::string> reportPathRefusal(platform::Files& files, const std::string& path);

// Runs what `line` asks and returns its exit code (exitcode::). `services.windows` must
// show nothing and `services.unattended` must be the services' prompter; `subsystems` are
// wired to `window`, with the cleaning report.
int runUnattended(const CommandLine& line, AppServices& services, MainWindow& window,
                  Subsystems& subsystems);

}  // namespace vorn
