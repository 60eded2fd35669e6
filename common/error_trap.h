#pragma once
// Runs the steps of a procedure that traps its errors: a step that fails is logged with
// the procedure's label and step counter, and the procedure goes on with its next step.
#include <cstdint>
#include <exception>
#include <string>
#include <utility>

#include "common/run_error.h"
#include "common/session_log.h"

namespace common {

class ErrorTrap {
 public:
  ErrorTrap(SessionLog& log, std::string label) : log_(log), label_(std::move(label)) {}

  // The step counter written into records; procedures advance it as they go.
  int step = 0;

  // Runs one step. Returns true when it completed, false when it failed and was logged.
  template <class Step>
  bool run(Step&& body) {
    try {
      std::forward<Step>(body)();
      return true;
    } catch (const RunError& e) {
      record(e.number(), e.description());
    } catch (const std::exception&) {
      record(errnum::kInternal, errorDescription(errnum::kInternal));
    }
    return false;
  }

  // Runs one step, then advances the counter whether or not the step failed.
  template <class Step>
  bool runStep(Step&& body) {
    bool ok = run(std::forward<Step>(body));
    ++step;
    return ok;
  }

  // Logs an error under this trap's label and step, as if a step had raised it.
  void record(int number, const std::string& description) {
    log_.writeLog(label_, static_cast<std::int16_t>(step), static_cast<std::int16_t>(number),
                  description);
    ++errors_;
  }

  const std::string& label() const { return label_; }
  int errors() const { return errors_; }

 private:
  SessionLog& log_;
  std::string label_;
  int errors_ = 0;
};

}  // namespace common
