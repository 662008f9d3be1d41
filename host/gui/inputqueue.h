#pragma once
// Input events waiting to be handled, first in first out. The main loop and
// every nested loop (mouse drag, popup menu, modal dialog, drag and drop)
// take from the same queue, so scripted and real input run the same code.
#include <cstddef>
#include <deque>
#include <vector>

#include "gui/inputevent.h"

namespace host {

class InputQueue {
 public:
  void Push(InputEvent event) { events_.push_back(std::move(event)); }
  void Push(const std::vector<InputEvent>& events) { events_.insert(events_.end(), events.begin(), events.end()); }
  // False when empty.
  bool Pop(InputEvent& out);
  const InputEvent* Peek() const { return events_.empty() ? nullptr : &events_.front(); }
  const InputEvent& At(size_t index) const { return events_[index]; }
  size_t Size() const { return events_.size(); }
  bool IsEmpty() const { return events_.empty(); }
  void Clear() { events_.clear(); }

 private:
  std::deque<InputEvent> events_;
};

}  // namespace host
