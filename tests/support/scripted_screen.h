#pragma once
// A screen for tests: records the pointer changes, counts the message pumps and can run
// a scripted user action inside one, the way a click arrives during a long operation.
#include <functional>
#include <vector>

#include "ui/screen.h"

namespace ui {

class ScriptedScreen : public Screen {
 public:
  Pointer mousePointer() const override { return pointer_; }
  void setMousePointer(Pointer pointer) override {
    pointer_ = pointer;
    pointers.push_back(pointer);
  }
  void doEvents() override {
    ++pumps;
    if (duringEvents) {
      auto action = std::move(duringEvents);
      duringEvents = nullptr;
      action();
    }
  }

  std::vector<Pointer> pointers;  // every pointer set, in order
  int pumps = 0;
  // Runs once, inside the next doEvents.
  std::function<void()> duringEvents;

 private:
  Pointer pointer_ = Pointer::Default;
};

}  // namespace ui
