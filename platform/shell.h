#pragma once
// Shell services: the shell's file operation, the Recycle Bin, the known folders and the
// folder picker. Like the rest of the seam, failures come back as values, never thrown.
#include <cstdint>
#include <string>

#include "platform/win_types.h"

namespace platform {

// The window that owns a shell operation's own windows (a Win32 HWND as a number);
// 0 means none.
using OwnerWindow = std::uintptr_t;

// Known folders by their CSIDL numbers (SHGetFolderPathA).
namespace csidl {
inline constexpr int kRecent = 0x08;
inline constexpr int kAppData = 0x1A;
inline constexpr int kInternetCache = 0x20;
inline constexpr int kCookies = 0x21;
inline constexpr int kHistory = 0x22;
inline constexpr int kWindows = 0x24;
inline constexpr int kSystem = 0x25;
inline constexpr int kProgramFiles = 0x26;
inline constexpr int kProfile = 0x28;
inline constexpr int kProgramFilesX86 = 0x2A;
}  // namespace csidl

class Shell {
 public:
  virtual ~Shell() = default;

  // Deletes for good (SHFileOperationA, FO_DELETE, no confirmation, no Recycle Bin) what
  // `source` names: a file, a folder with everything in it, or a pattern whose last part
  // holds wildcards ("C:\X\*.*" empties X, sub-folders included). The first entry that
  // refuses (a read-only or open file) stops the operation with a non-zero code; what
  // was deleted before it stays deleted. 0 when everything went.
  virtual ErrorCode deleteFiles(OwnerWindow owner, const std::string& source) = 0;

  // Copies one file onto `target` (SHFileOperationA, FO_COPY, no confirmation), replacing
  // an existing file. 0 on success, non-zero otherwise (the target is then unchanged
  // when the source was missing).
  virtual ErrorCode copyFile(OwnerWindow owner, const std::string& source,
                             const std::string& target) = 0;

  // Empties the Recycle Bin of one drive root ("C:\"), or of every drive for an empty
  // root, asking nothing (SHEmptyRecycleBinA with SHERB_NOCONFIRMATION). The shell may
  // show its progress window. 0 on success.
  virtual ErrorCode emptyRecycleBin(OwnerWindow owner, const std::string& root) = 0;

  // What the Recycle Bin of one drive root, or of every drive for an empty root, holds
  // (SHQueryRecycleBinA). Non-zero when the system cannot tell; `items` and `bytes` are
  // then unchanged.
  virtual ErrorCode recycleBinContents(const std::string& root, long long& items,
                                       long long& bytes) = 0;

  // The path of a known folder (SHGetFolderPathA, current value), without a trailing
  // separator. Non-zero when the system has no such folder.
  virtual ErrorCode knownFolder(int csidl, std::string& path) = 0;

  // Lets the user pick a folder (SHBrowseForFolder + SHGetPathFromIDList), starting at
  // `initial` when it is not empty. False when the user cancels or picks something that
  // is no file-system folder; `path` is then unchanged.
  virtual bool browseForFolder(OwnerWindow owner, const std::string& title,
                               const std::string& initial, std::string& path) = 0;

  // The folder for temporary files, ending in "\" (GetTempPathA).
  virtual std::string tempPath() = 0;
};

}  // namespace platform
