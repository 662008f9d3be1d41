#pragma once
// Events posted while the host is inside a call into the module wait until
// the outermost such call returns, then go to every listener in posting
// order. Every host -> module call site holds a CallGuard for its duration.
#include <cstdint>
#include <deque>
#include <functional>
#include <vector>

namespace host {

struct HostEvent {
  int32_t id = 0;
  int64_t arg1 = 0;
  int64_t arg2 = 0;
};

class EventQueue {
 public:
  using Listener = std::function<void(const HostEvent&)>;
  using ListenerId = uint64_t;

  class CallGuard {
   public:
    explicit CallGuard(EventQueue& queue);
    ~CallGuard();
    CallGuard(const CallGuard&) = delete;
    CallGuard& operator=(const CallGuard&) = delete;

   private:
    EventQueue& queue_;
  };

  // Delivered at once when no call is under way.
  void Post(HostEvent event);
  ListenerId Listen(Listener listener);
  // Safe during delivery: the removed listener gets nothing more.
  void Unlisten(ListenerId id);

  int Depth() const { return depth_; }
  size_t Pending() const { return pending_.size(); }
  // Everything posted so far, delivered or not (scripted runs report it).
  const std::vector<HostEvent>& History() const { return history_; }

  // Events dropped by the cut-off below.
  size_t Dropped() const { return dropped_; }

  // Events that re-post themselves without end are cut off after this many
  // deliveries in one flush.
  static constexpr int kMaxDeliveriesPerFlush = 100000;

 private:
  void Flush();

  int depth_ = 0;
  size_t dropped_ = 0;
  bool flushing_ = false;
  ListenerId next_id_ = 1;
  std::deque<HostEvent> pending_;
  std::vector<std::pair<ListenerId, Listener>> listeners_;
  std::vector<HostEvent> history_;
};

}  // namespace host
