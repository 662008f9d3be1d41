#pragma once
// Held around every call from the host into the module: events the module
// posts meanwhile wait until the outermost call has returned.
#include <optional>

#include "core/eventqueue.h"

namespace host {

class ModuleCall {
 public:
  ModuleCall();
  ~ModuleCall() = default;
  ModuleCall(const ModuleCall&) = delete;
  ModuleCall& operator=(const ModuleCall&) = delete;

 private:
  std::optional<EventQueue::CallGuard> guard_;
};

}  // namespace host
