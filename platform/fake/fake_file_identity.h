#pragma once
// Identities for the fake file system: each entry is its own file, unless a test has
// declared a folder to be another one reached a second way (a junction or a link that
// the listing does not mark).
#include <map>
#include <string>

#include "platform/fake/fake_files.h"
#include "platform/file_identity.h"

namespace platform::fake {

class FakeFileIdentity : public FileIdentity {
 public:
  explicit FakeFileIdentity(FakeFiles& files) : files_(files) {}
  ErrorCode identify(const std::string& path, FileId& id) override;
  ErrorCode listWithIndexes(
      const std::string& folder,
      const std::function<bool(const FindData&, std::uint64_t fileIndex)>& visit) override;

  // From now on `path` has the identity of `target`.
  void sameAs(const std::string& path, const std::string& target);

 private:
  FakeFiles& files_;
  std::map<std::string, std::string> aliases_;  // normalised path -> normalised target
  std::map<std::string, std::uint64_t> indexes_;
};

}  // namespace platform::fake
