#include "main/app/command_line.h"

#include <optional>

namespace vorn {
namespace {

char lower(char c) {
  return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}

std::string lowered(std::string_view text) {
  std::string out(text);
  for (char& c : out) c = lower(c);
  return out;
}

std::string_view trimmed(std::string_view text) {
  while (!text.empty() && (text.front() == ' ' || text.front() == '\t')) text.remove_prefix(1);
  while (!text.empty() && (text.back() == ' ' || text.back() == '\t')) text.remove_suffix(1);
  return text;
}

// "C:\..." or "\\server\share\...": a scheduled task starts in the system folder, so a
// relative name would land there.
bool isFullPath(const std::string& path) {
  const bool drive = path.size() >= 3 && ((lower(path[0]) >= 'a' && lower(path[0]) <= 'z')) &&
                     path[1] == ':' && path[2] == '\\';
  const bool unc = path.size() >= 3 && path[0] == '\\' && path[1] == '\\' && path[2] != '\\';
  return drive || unc;
}

// Fills `areas` from "ie,opera"; the reason when the list is not acceptable.
std::optional<std::string> parseAreas(std::string_view list, AreaSelection& areas) {
  areas = AreaSelection::none();
  for (;;) {
    const std::size_t comma = list.find(',');
    const std::string name = lowered(trimmed(list.substr(0, comma)));
    bool* area = name == "ie"         ? &areas.ie
                 : name == "netscape" ? &areas.netscape
                 : name == "opera"    ? &areas.opera
                 : name == "windows"  ? &areas.windows
                 : name == "userdef"  ? &areas.userDefined
                 : name == "plugins"  ? &areas.plugins
                                      : nullptr;
    if (name.empty()) return "/areas: has an empty entry";
    if (!area)
      return "unknown area \"" + name + "\" (ie, netscape, opera, windows, userdef, plugins)";
    *area = true;
    if (comma == std::string_view::npos) return std::nullopt;
    list.remove_prefix(comma + 1);
  }
}

CommandLine invalid(std::string why) {
  CommandLine line;
  line.mode = CommandLine::Mode::Invalid;
  line.error = std::move(why);
  return line;
}

}  // namespace

std::vector<std::string> splitArguments(std::string_view line) {
  std::vector<std::string> args;
  std::size_t i = 0;
  const std::size_t n = line.size();
  for (;;) {
    while (i < n && (line[i] == ' ' || line[i] == '\t')) ++i;
    if (i >= n) return args;
    std::string arg;
    bool quoted = false;
    while (i < n && (quoted || (line[i] != ' ' && line[i] != '\t'))) {
      if (line[i] == '\\') {
        std::size_t slashes = 0;
        while (i < n && line[i] == '\\') ++slashes, ++i;
        if (i < n && line[i] == '"') {
          arg.append(slashes / 2, '\\');
          if (slashes % 2) {
            arg += '"';
            ++i;
          }
        } else {
          arg.append(slashes, '\\');
        }
      } else if (line[i] == '"') {
        // "" inside a quoted part is a literal quote, as the runtime takes it.
        if (quoted && i + 1 < n && line[i + 1] == '"') {
          arg += '"';
          i += 2;
        } else {
          quoted = !quoted;
          ++i;
        }
      } else {
        arg += line[i++];
      }
    }
    args.push_back(std::move(arg));
  }
}

CommandLine parseCommandLine(std::string_view arguments) {
  const std::vector<std::string> args = splitArguments(arguments);
  CommandLine line;
  // Asking for the usage wins over whatever else the line holds.
  for (const std::string& arg : args)
    if (arg == "/?" || arg == "-?") {
      line.mode = CommandLine::Mode::Usage;
      return line;
    }
  bool autoSeen = false, analyzeSeen = false, areasSeen = false, reportSeen = false;
  for (const std::string& arg : args) {
    if (arg.size() < 2 || (arg[0] != '/' && arg[0] != '-'))
      return invalid("unknown argument \"" + arg + "\"");
    const std::size_t colon = arg.find(':');
    const std::string name = lowered(std::string_view(arg).substr(1, colon - 1));
    const bool hasValue = colon != std::string::npos;
    const std::string value = hasValue ? arg.substr(colon + 1) : std::string();
    bool* seen = name == "auto"      ? &autoSeen
                 : name == "analyze" ? &analyzeSeen
                 : name == "areas"   ? &areasSeen
                 : name == "report"  ? &reportSeen
                                     : nullptr;
    if (!seen) return invalid("unknown switch \"" + arg + "\"");
    if (*seen) return invalid("/" + name + " is given twice");
    *seen = true;
    if (name == "auto" || name == "analyze") {
      if (hasValue) return invalid("/" + name + " takes no value");
    } else if (trimmed(value).empty()) {
      return invalid("/" + name + ": needs a value");
    } else if (name == "areas") {
      if (auto why = parseAreas(value, line.areas)) return invalid(*why);
    } else {
      line.reportPath = value;
      if (!isFullPath(value))
        return invalid("the report path \"" + value + "\" is not a full path");
    }
  }
  if (autoSeen && analyzeSeen) return invalid("/auto and /analyze exclude each other");
  if (autoSeen)
    line.mode = CommandLine::Mode::Auto;
  else if (analyzeSeen)
    line.mode = CommandLine::Mode::Analyze;
  else if (areasSeen || reportSeen)
    return invalid(std::string(areasSeen ? "/areas" : "/report") + " needs /auto or /analyze");
  return line;
}

std::string usageText() {
  return "vorn66 [/auto | /analyze] [/areas:LIST] [/report:PATH]\r\n"
         "\r\n"
         "/auto\tCleans what \"Clean All\" cleans with the saved options, without a window.\r\n"
         "/analyze\tLists what /auto would remove; changes nothing.\r\n"
         "/areas:LIST\tOnly these areas, separated by commas: ie, netscape, opera, windows,\r\n"
         "\tuserdef, plugins.\r\n"
         "/report:PATH\tAlso writes the report to PATH (a full path).\r\n"
         "/?\tShows this text.\r\n"
         "\r\n"
         "Without a switch the window opens. vorn-report.txt, vorn-analysis.txt and vorn.log "
         "are in the program's folder.\r\n"
         "\r\n"
         "Exit codes: 0 done; 1 some items could not be removed (see the report); 2 bad "
         "command line (see vorn.log); 3 another Tervane is cleaning or analysing.";
}

}  // namespace vorn
