#include "tests/support/contract_env.h"

#include "platform/change_recorder.h"
#include "platform/fake/fake_system.h"

namespace testing_support {
namespace {

class FakeEnv : public ContractEnv {
 public:
  explicit FakeEnv(bool wineLinks = false) {
    fake_.files.setLinksLikeWine(wineLinks);
    fake_.files.addFolder(scratch());
    // A real program runs from its own file.
    fake_.files.addFile(fake_.process.programFile(), "MZ");
    for (const auto& [id, folder] : fake_.shell.folders) fake_.files.addFolder(folder);
    platform::HKey key = 0;
    fake_.registry.createKey(platform::hkey::kCurrentUser, scratchKey(), key);
    fake_.registry.closeKey(key);
  }
  platform::System& system() override { return fake_.system(); }
  std::string scratch() const override { return "C:\\contract"; }
  std::string scratchKey() const override { return "Software\\TervaneContract"; }
  void setOpen(const std::string& path, bool open) override { fake_.files.setOpen(path, open); }
  bool makeLink(const std::string& link, const std::string& target) override {
    fake_.files.addLink(link, target);
    return fake_.files.exists(link);
  }
  std::string dump() const override { return fake_.files.dump(); }
  bool recycleBinIsScratch() const override { return true; }
  bool recycle(const std::string& path) override {
    if (fake_.files.deleteFile(path) != platform::err::kSuccess) return false;
    fake_.shell.recycled[path.substr(0, 3)].push_back(path);
    return true;
  }
  long long recycleBinItems() override {
    long long n = 0;
    for (const auto& [root, names] : fake_.shell.recycled)
      n += static_cast<long long>(names.size());
    return n;
  }
  bool answeringFolderPicker(bool ok, const std::string& choose,
                             const std::function<bool()>& openPicker) override {
    fake_.shell.pickerAnswers.push_back(ok ? std::optional<std::string>(choose)
                                           : std::optional<std::string>());
    return openPicker();
  }

 private:
  mutable platform::fake::FakeSystem fake_;
};

// The recording layer that every cleaning runs through must keep each service's contract
// while it records: the same environment, its services seen through the recorder.
class RecordingEnv : public ContractEnv {
 public:
  explicit RecordingEnv(std::unique_ptr<ContractEnv> inner)
      : inner_(std::move(inner)), recording_(inner_->system(), recorder_) {
    recorder_.start(false);
  }
  platform::System& system() override { return recording_.system(); }
  std::string scratch() const override { return inner_->scratch(); }
  std::string scratchKey() const override { return inner_->scratchKey(); }
  void setOpen(const std::string& path, bool open) override { inner_->setOpen(path, open); }
  bool makeLink(const std::string& link, const std::string& target) override {
    return inner_->makeLink(link, target);
  }
  std::string dump() const override { return inner_->dump(); }
  bool recycleBinIsScratch() const override { return inner_->recycleBinIsScratch(); }
  bool recycle(const std::string& path) override { return inner_->recycle(path); }
  long long recycleBinItems() override { return inner_->recycleBinItems(); }
  bool answeringFolderPicker(bool ok, const std::string& choose,
                             const std::function<bool()>& openPicker) override {
    return inner_->answeringFolderPicker(ok, choose, openPicker);
  }

 private:
  std::unique_ptr<ContractEnv> inner_;
  platform::ChangeRecorder recorder_;
  platform::RecordingSystem recording_;
};

}  // namespace

std::unique_ptr<ContractEnv> makeFakeEnv() {
  return std::make_unique<FakeEnv>();
}

std::unique_ptr<ContractEnv> makeFakeEnvWithWineLinks() {
  return std::make_unique<FakeEnv>(true);
}

std::vector<EnvMaker> contractEnvs() {
  std::vector<EnvMaker> envs{
      {"Fake", makeFakeEnv},
      {"RecordingFake", [] { return std::make_unique<RecordingEnv>(makeFakeEnv()); }}};
#ifdef _WIN32
  envs.push_back({"Win32", makeWin32Env});
#endif
  return envs;
}

}  // namespace testing_support
