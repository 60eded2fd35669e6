#include "platform/fake/failing_files.h"

namespace platform::fake {

void FailingFiles::failNth(Op op, int n, ErrorCode code, bool torn) {
  op_ = op;
  nth_ = n;
  seen_ = 0;
  code_ = code;
  torn_ = torn;
  stopAfter_ = -1;
  changes_ = 0;
}

void FailingFiles::stopAfter(int k) {
  nth_ = 0;
  stopAfter_ = k;
  changes_ = 0;
}

bool FailingFiles::fails(Op op, ErrorCode& code, bool& torn) {
  torn = false;
  if (stopAfter_ >= 0 && changes_ >= stopAfter_) {
    code = err::kWriteFault;
    return true;
  }
  if (nth_ > 0 && op == op_ && ++seen_ == nth_) {
    code = code_;
    torn = torn_;
    return true;
  }
  ++changes_;
  return false;
}

ErrorCode FailingFiles::writeFile(const std::string& path, const std::string& contents) {
  ErrorCode code;
  bool torn;
  if (fails(Op::Write, code, torn)) {
    if (torn) inner_.writeFile(path, contents.substr(0, contents.size() / 2));
    return code;
  }
  return inner_.writeFile(path, contents);
}

ErrorCode FailingFiles::appendFile(const std::string& path, const std::string& contents) {
  ErrorCode code;
  bool torn;
  if (fails(Op::Append, code, torn)) {
    if (torn) inner_.appendFile(path, contents.substr(0, contents.size() / 2));
    return code;
  }
  return inner_.appendFile(path, contents);
}

ErrorCode FailingFiles::deleteFile(const std::string& path) {
  ErrorCode code;
  bool torn;
  if (fails(Op::Delete, code, torn)) return code;
  return inner_.deleteFile(path);
}

ErrorCode FailingFiles::renameFile(const std::string& from, const std::string& to) {
  ErrorCode code;
  bool torn;
  if (fails(Op::Rename, code, torn)) return code;
  return inner_.renameFile(from, to);
}

}  // namespace platform::fake
