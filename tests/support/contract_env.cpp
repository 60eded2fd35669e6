#include "tests/support/contract_env.h"

#include "platform/fake/fake_system.h"

namespace testing_support {
namespace {

class FakeEnv : public ContractEnv {
 public:
  FakeEnv() {
    fake_.files.addFolder(scratch());
    platform::HKey key = 0;
    fake_.registry.createKey(platform::hkey::kCurrentUser, scratchKey(), key);
    fake_.registry.closeKey(key);
  }
  platform::System& system() override { return fake_.system(); }
  std::string scratch() const override { return "C:\\contract"; }
  std::string scratchKey() const override { return "Software\\TervaneContract"; }
  void setOpen(const std::string& path, bool open) override { fake_.files.setOpen(path, open); }
  std::string dump() const override { return fake_.files.dump(); }

 private:
  mutable platform::fake::FakeSystem fake_;
};

}  // namespace

std::unique_ptr<ContractEnv> makeFakeEnv() {
  return std::make_unique<FakeEnv>();
}

std::vector<EnvMaker> contractEnvs() {
  std::vector<EnvMaker> envs{{"Fake", makeFakeEnv}};
#ifdef _WIN32
  envs.push_back({"Win32", makeWin32Env});
#endif
  return envs;
}

}  // namespace testing_support
