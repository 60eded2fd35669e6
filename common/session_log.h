#pragma once
// The session log "vorn.log" in the program folder, shared by the cleaner and the
// boot-time remover: one record per trapped error, opened and closed per line, emptied
// once it has grown past 150000 bytes.
#include <cstdint>
#include <functional>
#include <string>

#include "platform/clock.h"
#include "platform/files.h"

namespace common {

class SessionLog {
 public:
  static constexpr std::uint64_t kLimitBytes = 150000;
  static constexpr const char* kFileName = "vorn.log";

  // `folder` names the program folder each time a record is written: the cleaner hands
  // the value it took at start-up, the remover asks for its own program file's folder.
  SessionLog(platform::Files& files, platform::Clock& clock, std::function<std::string()> folder);

  // Appends one record. A log that cannot be written must never stop a program, since
  // this is called from inside error traps: such a failure is counted and dropped.
  void writeLog(const std::string& label, std::int16_t step, std::int16_t errorNumber,
                const std::string& description) noexcept;

  // The message part of a record: "label at line step - description (number)".
  static std::string message(const std::string& label, std::int16_t step, std::int16_t errorNumber,
                             const std::string& description);

  std::string path() const;
  int droppedRecords() const { return dropped_; }

 private:
  platform::Files& files_;
  platform::Clock& clock_;
  std::function<std::string()> folder_;
  int dropped_ = 0;
};

}  // namespace common
