#include "core/eventqueue.h"

#include <algorithm>

namespace host {

EventQueue::CallGuard::CallGuard(EventQueue& queue) : queue_(queue) { ++queue_.depth_; }

EventQueue::CallGuard::~CallGuard() {
  if (--queue_.depth_ == 0) queue_.Flush();
}

void EventQueue::Post(HostEvent event) {
  history_.push_back(event);
  pending_.push_back(event);
  if (depth_ == 0) Flush();
}

EventQueue::ListenerId EventQueue::Listen(Listener listener) {
  ListenerId id = next_id_++;
  listeners_.emplace_back(id, std::move(listener));
  return id;
}

void EventQueue::Unlisten(ListenerId id) {
  std::erase_if(listeners_, [id](const auto& l) { return l.first == id; });
}

void EventQueue::Flush() {
  if (flushing_) return;  // the running flush picks up what is posted meanwhile
  flushing_ = true;
  int delivered = 0;
  while (!pending_.empty() && delivered < kMaxDeliveriesPerFlush) {
    HostEvent event = pending_.front();
    pending_.pop_front();
    // A copy of the IDs: listeners may come and go while we deliver.
    std::vector<ListenerId> ids;
    for (const auto& l : listeners_) ids.push_back(l.first);
    for (ListenerId id : ids) {
      auto it = std::find_if(listeners_.begin(), listeners_.end(), [id](const auto& l) { return l.first == id; });
      if (it == listeners_.end()) continue;
      Listener fn = it->second;  // the listener may unlisten itself
      CallGuard guard(*this);
      fn(event);
    }
    ++delivered;
  }
  dropped_ += pending_.size();
  pending_.clear();
  flushing_ = false;
}

}  // namespace host
