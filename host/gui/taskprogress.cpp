#include "gui/taskprogress.h"

#include <algorithm>
#include <chrono>
#include <cmath>

namespace host {

bool TaskProgress::Report(double done) {
  const int percent = int(std::floor(std::clamp(done, 0.0, 1.0) * 100.0));
  const std::lock_guard lock(mutex_);
  if (cancelled_) return false;
  if (percent > 0 && (steps_.empty() || percent > steps_.back())) {
    steps_.push_back(percent);
    ++changes_;
    changed_.notify_all();
  }
  return true;
}

void TaskProgress::Finish(bool ok) {
  const std::lock_guard lock(mutex_);
  finished_ = true;
  ok_ = ok;
  ++changes_;
  changed_.notify_all();
}

void TaskProgress::Cancel() {
  const std::lock_guard lock(mutex_);
  cancelled_ = true;
}

bool TaskProgress::WaitForChange(int ms) {
  std::unique_lock lock(mutex_);
  changed_.wait_for(lock, std::chrono::milliseconds(ms), [this] { return changes_ != seen_; });
  const bool changed = changes_ != seen_;
  seen_ = changes_;
  return changed;
}

bool TaskProgress::IsCancelled() const {
  const std::lock_guard lock(mutex_);
  return cancelled_;
}

bool TaskProgress::IsFinished() const {
  const std::lock_guard lock(mutex_);
  return finished_;
}

bool TaskProgress::Succeeded() const {
  const std::lock_guard lock(mutex_);
  return ok_;
}

int TaskProgress::Percent() const {
  const std::lock_guard lock(mutex_);
  return steps_.empty() ? 0 : steps_.back();
}

std::vector<int> TaskProgress::Steps() const {
  const std::lock_guard lock(mutex_);
  return steps_;
}

}  // namespace host
