#pragma once
// The user areas that asked for a timer, with their interval and next time.
#include <cstdint>
#include <map>
#include <vector>

namespace host {

class UserArea;

class TimerList {
 public:
  // ms 0 (or less) stops the area's timer.
  void Set(UserArea& area, int32_t ms, int64_t now);
  void Remove(const UserArea& area) { timers_.erase(&area); }
  bool IsEmpty() const { return timers_.empty(); }
  // The areas whose time has come; each next time moves on by its interval.
  std::vector<UserArea*> TakeDue(int64_t now);
  // Milliseconds until the next timer, or -1 without timers.
  int64_t WaitFrom(int64_t now) const;

 private:
  struct Timer {
    UserArea* area;
    int32_t interval;
    int64_t next;
  };
  std::map<const UserArea*, Timer> timers_;
};

}  // namespace host
