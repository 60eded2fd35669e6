#pragma once
// Folders that no cleaning step of the fixed areas (Internet Explorer, Netscape, Opera,
// Windows) deletes in or walks from, whatever a path setting says: a path pointed at the
// wrong folder must not empty the system or the user's own files.
#include <string>

#include "platform/system.h"

namespace vorn {

// True for a drive root, the Windows folder, the system folder, a program files folder,
// the user's profile folder, and every folder that holds one of them; also for a path
// that is no full path (it would be taken from whatever folder the program runs in).
// Spelling does not matter: case, "/" for "\", doubled or trailing separators, "." and
// ".." parts, and a short name or another path to the same folder, which has the same
// identity.
bool isProtectedFolder(platform::System& system, const std::string& folder);

// "<folder> is a system folder and cannot be cleaned".
std::string systemFolderMessage(const std::string& folder);

// Called by each cleaning step of a fixed area before it deletes in, or walks from, a
// path setting: raises run-time error 75 (Path/File access error) with the message
// above when the folder is protected, so the engine's trap logs why and the step is
// skipped.
void requireCleanableFolder(platform::System& system, const std::string& folder);

}  // namespace vorn
