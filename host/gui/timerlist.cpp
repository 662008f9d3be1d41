#include "gui/timerlist.h"

#include <algorithm>

namespace host {

void TimerList::Set(UserArea& area, int32_t ms, int64_t now) {
  if (ms <= 0) {
    timers_.erase(&area);
    return;
  }
  timers_[&area] = {&area, ms, now + ms};
}

std::vector<UserArea*> TimerList::TakeDue(int64_t now) {
  std::vector<UserArea*> due;
  for (auto& [key, t] : timers_) {
    if (t.next > now) continue;
    due.push_back(t.area);
    // A late timer fires once, not once per missed interval.
    t.next = std::max(t.next + t.interval, now + 1);
  }
  return due;
}

int64_t TimerList::WaitFrom(int64_t now) const {
  int64_t wait = -1;
  for (const auto& [key, t] : timers_) {
    const int64_t w = std::max<int64_t>(0, t.next - now);
    if (wait < 0 || w < wait) wait = w;
  }
  return wait;
}

}  // namespace host
