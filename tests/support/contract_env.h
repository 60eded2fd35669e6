#pragma once
// What a contract test runs against: the fake platform natively, the real one under
// Wine. Each environment owns a scratch folder and a scratch registry key that it
// removes when it ends.
#include <functional>
#include <memory>
#include <ostream>
#include <string>
#include <vector>

#include "platform/system.h"

namespace testing_support {

class ContractEnv {
 public:
  virtual ~ContractEnv() = default;
  virtual platform::System& system() = 0;
  // A fresh empty folder, without a trailing "\".
  virtual std::string scratch() const = 0;
  // A fresh registry key under HKEY_CURRENT_USER, as a sub-key path.
  virtual std::string scratchKey() const = 0;
  // Holds a file open the way another program would (no sharing), or lets it go.
  virtual void setOpen(const std::string& path, bool open) = 0;
  // Makes `link` a symbolic link to the existing file or folder `target`: a Unix link
  // under Wine, which lists it as the real programs would meet one. False when the
  // environment cannot.
  virtual bool makeLink(const std::string& link, const std::string& target) = 0;
  // The environment's state for a failure message.
  virtual std::string dump() const { return {}; }

  // Recycle Bin probes. Emptying a Recycle Bin is allowed only where it cannot be a real
  // user's: the fake, or the project's own Wine prefix and home.
  virtual bool recycleBinIsScratch() const = 0;
  // Sends a file to the Recycle Bin, as Explorer's delete does.
  virtual bool recycle(const std::string& path) = 0;
  // Items in the Recycle Bin of every drive, or -1 when that cannot be told.
  virtual long long recycleBinItems() = 0;
  // Runs `openPicker`, which opens a folder picker, while the user answers it: moves to
  // `choose` (empty: stays where the picker starts) and presses OK, or presses Cancel.
  // Returns what `openPicker` returned. The real picker is answered for as long as it
  // takes to appear, and closed by a watchdog (failing the test) when it never returns.
  virtual bool answeringFolderPicker(bool ok, const std::string& choose,
                                     const std::function<bool()>& openPicker) = 0;
};

struct EnvMaker {
  std::string name;
  std::function<std::unique_ptr<ContractEnv>()> make;
};
inline void PrintTo(const EnvMaker& maker, std::ostream* os) {
  *os << maker.name;
}

std::unique_ptr<ContractEnv> makeFakeEnv();
// The fake whose links behave as Wine's Unix links do (FakeFiles::setLinksLikeWine).
std::unique_ptr<ContractEnv> makeFakeEnvWithWineLinks();
#ifdef _WIN32
std::unique_ptr<ContractEnv> makeWin32Env();
// True only under Wine in the project's own prefix and home (scripts/wine-env.sh), where
// a test may touch drive C:, HKEY_CURRENT_USER and the Recycle Bin for real.
bool inProjectWinePrefix();
#endif

// The environments this build can test: the fake, and the real platform on Windows.
std::vector<EnvMaker> contractEnvs();

}  // namespace testing_support
