#pragma once
// What work on a worker thread has done, shared with the thread that waits
// for it: the whole percents reached (never going back), whether it was
// asked to stop, and how it ended. The percents depend only on what the
// work reported, not on how the threads ran, so a scripted run sees the
// same steps every time.
#include <condition_variable>
#include <cstdint>
#include <mutex>
#include <vector>

namespace host {

class TaskProgress {
 public:
  // --- the worker
  // The share done, 0 to 1; false once the work should stop.
  bool Report(double done);
  // ok: the work did what it was for.
  void Finish(bool ok);

  // --- the waiting thread
  void Cancel();
  // Waits up to ms for a new percent or the end; true when there was one.
  bool WaitForChange(int ms);
  bool IsCancelled() const;
  bool IsFinished() const;
  bool Succeeded() const;
  // The last percent reached, 0 before any.
  int Percent() const;
  // Every percent reached, in order.
  std::vector<int> Steps() const;

 private:
  mutable std::mutex mutex_;
  std::condition_variable changed_;
  std::vector<int> steps_;
  uint64_t changes_ = 0;
  uint64_t seen_ = 0;
  bool cancelled_ = false;
  bool finished_ = false;
  bool ok_ = false;
};

}  // namespace host
