#pragma once
// Plugin definition files ("*.cp1"): a text of entries that name registry values, registry
// keys and files to remove. They come from anywhere, so reading one must accept any bytes
// and must never turn an entry into something other than what it names.
#include <string>
#include <vector>

namespace vorn {

// Splits a definition file into its entries, in order. An entry ends at a line end (CR,
// LF or both) or a comma; its leading blanks are skipped and so are its trailing ones; an
// entry that starts with a double quote runs to the next double quote and may hold commas
// and line ends (what follows the closing quote up to the end of the entry is dropped).
// Empty entries are left out.
std::vector<std::string> readDefinitionEntries(const std::string& text);

// The only registry root a plugin may act on.
inline constexpr const char* kPluginRegistryRoot = "HKEY_CURRENT_USER\\";

struct PluginEntry {
  enum class Kind {
    RegistryValue,  // delete value `name` of key `path` under HKEY_CURRENT_USER
    RegistryKey,    // delete key `path` under HKEY_CURRENT_USER
    Comment,        // nothing to do
    File,           // delete the ordinary files `path` matches
    Invalid,        // logged with `problem` and skipped
  };
  Kind kind = Kind::Invalid;
  std::string path;     // key path or file path
  std::string name;     // value name
  std::string problem;  // why an invalid entry is skipped
};

// What one entry asks for. Registry entries ("HKEY" first) act only under
// "HKEY_CURRENT_USER\": another root is refused, never mapped onto the current user's
// keys. A value entry is key path "+" value name (split at the first "+"); a key entry is
// key path "-" (the key path ends at the first "-"; what follows is ignored). A key entry
// that names no key is refused. File entries must be full
// paths (drive and "\" or a "\\server" name): a relative path would depend on whatever the
// current folder happens to be.
PluginEntry classifyEntry(const std::string& entry);

}  // namespace vorn
