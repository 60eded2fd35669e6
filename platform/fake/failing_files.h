#pragma once
// Fault injection over any Files: the n-th call of a changing operation (write, append,
// delete, rename) fails, or every change after the k-th fails as if the machine had
// stopped there. A failing write may leave half its bytes behind, as a full disk does.
// Tests check that what a rewrite protects survives whichever step goes wrong.
#include <string>

#include "platform/files.h"

namespace platform::fake {

class FailingFiles : public Files {
 public:
  enum class Op { Write, Append, Delete, Rename };

  explicit FailingFiles(Files& inner) : inner_(inner) {}

  // The `n`-th call (1-based, counted from now) of `op` fails with `code`; a failing
  // write leaves the first half of its bytes in the file when `torn` is set.
  void failNth(Op op, int n, ErrorCode code = err::kDiskFull, bool torn = true);
  // After `k` more changes have gone through, every change fails (kWriteFault): the point
  // where a crash or a pulled plug stopped the program.
  void stopAfter(int k);
  // Changes (of any kind) that went through since the last failNth or stopAfter.
  int changes() const { return changes_; }

  ErrorCode find(const std::string& pattern,
                 const std::function<bool(const FindData&)>& visit) override {
    return inner_.find(pattern, visit);
  }
  ErrorCode readFile(const std::string& path, std::string& contents) override {
    return inner_.readFile(path, contents);
  }
  ErrorCode writeFile(const std::string& path, const std::string& contents) override;
  ErrorCode appendFile(const std::string& path, const std::string& contents) override;
  ErrorCode deleteFile(const std::string& path) override;
  ErrorCode renameFile(const std::string& from, const std::string& to) override;
  ErrorCode getAttributes(const std::string& path, std::uint32_t& attributes) override {
    return inner_.getAttributes(path, attributes);
  }
  ErrorCode setAttributes(const std::string& path, std::uint32_t attributes) override {
    return inner_.setAttributes(path, attributes);
  }
  ErrorCode createDirectory(const std::string& path) override {
    return inner_.createDirectory(path);
  }
  ErrorCode removeDirectory(const std::string& path) override {
    return inner_.removeDirectory(path);
  }
  ErrorCode removeLink(const std::string& path) override { return inner_.removeLink(path); }
  ErrorCode overwriteInPlace(const std::string& path, const std::string& pattern) override {
    return inner_.overwriteInPlace(path, pattern);
  }
  ErrorCode setFileLength(const std::string& path, std::uint64_t length) override {
    return inner_.setFileLength(path, length);
  }

 private:
  // Whether this change of kind `op` is to fail; counts it otherwise.
  bool fails(Op op, ErrorCode& code, bool& torn);

  Files& inner_;
  Op op_ = Op::Write;
  int nth_ = 0;  // 0: no single failure armed
  int seen_ = 0;
  ErrorCode code_ = err::kDiskFull;
  bool torn_ = false;
  int stopAfter_ = -1;  // -1: never stops
  int changes_ = 0;
};

}  // namespace platform::fake
