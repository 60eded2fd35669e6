#pragma once
// The boot-time remover: deletes the locked index files that the path search recorded,
// the *.dat files of the four browser folders and the dated history folders, then
// ends. It has no window; every failure becomes one record in the session log.
#include <cstdint>
#include <string>

#include "common/session_log.h"
#include "platform/system.h"

namespace vesper {

class Remover {
 public:
  explicit Remover(platform::System& system);

  // The whole run, once.
  void Main();

  // The value under `section` and `key` of `file`, empty when missing, cut at 254
  // characters and at the first NUL.
  std::string getIni(const std::string& section, const std::string& key, const std::string& file);
  // True when `path` is not empty and a lookup of it (wildcards allowed) finds an
  // ordinary file.
  bool checkFileName(const std::string& path);

  int step() const { return step_; }
  common::SessionLog& log() { return log_; }

 private:
  template <class Statement>
  void statement(Statement&& body);
  void logMain(int number, const std::string& description);
  std::string programFile(const std::string& name) const;

  platform::System& system_;
  common::SessionLog log_;
  int step_ = 0;
  std::string lastPath_;
};

}  // namespace vesper
