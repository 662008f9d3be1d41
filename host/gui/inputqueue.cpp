#include "gui/inputqueue.h"

namespace host {

bool InputQueue::Pop(InputEvent& out) {
  if (events_.empty()) return false;
  out = std::move(events_.front());
  events_.pop_front();
  return true;
}

}  // namespace host
