#pragma once
// The run lock for tests: `heldElsewhere` plays another process holding it; the takes of
// this one are counted, as a mutex counts its owner's.
#include "platform/run_lock.h"

namespace platform::fake {

class FakeRunLock : public RunLock {
 public:
  bool tryAcquire() override {
    if (heldElsewhere) return false;
    ++takes;
    return true;
  }
  void release() override { --takes; }

  bool heldElsewhere = false;
  int takes = 0;  // takes not released yet
};

}  // namespace platform::fake
