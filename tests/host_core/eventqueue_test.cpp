#include "core/eventqueue.h"

#include <gtest/gtest.h>

namespace host {
namespace {

TEST(EventQueue, EventsWaitForTheOutermostCall) {
  EventQueue q;
  std::vector<int32_t> seen;
  q.Listen([&](const HostEvent& e) { seen.push_back(e.id); });
  {
    EventQueue::CallGuard outer(q);
    q.Post({1, 0, 0});
    {
      EventQueue::CallGuard inner(q);
      q.Post({2, 0, 0});
    }
    EXPECT_TRUE(seen.empty()) << "delivered inside a module call";
  }
  EXPECT_EQ(seen, (std::vector<int32_t>{1, 2}));
  q.Post({3, 7, 8});  // outside any call: at once
  EXPECT_EQ(seen.back(), 3);
}

TEST(EventQueue, ListenersAreNeverEnteredTwice) {
  EventQueue q;
  std::vector<int32_t> seen;
  int depth = 0, deepest = 0;
  q.Listen([&](const HostEvent& e) {
    deepest = std::max(deepest, ++depth);
    seen.push_back(e.id);
    if (e.id < 3) q.Post({e.id + 1, e.arg1, e.arg2});  // a chooser answering a broadcast
    --depth;
  });
  q.Post({1, 0, 0});
  EXPECT_EQ(seen, (std::vector<int32_t>{1, 2, 3}));
  EXPECT_EQ(deepest, 1);
}

TEST(EventQueue, ListenersMayLeaveDuringDelivery) {
  EventQueue q;
  int first = 0, second = 0;
  EventQueue::ListenerId second_id = 0;
  q.Listen([&](const HostEvent&) {
    ++first;
    q.Unlisten(second_id);  // a dialog closed by the event
  });
  second_id = q.Listen([&](const HostEvent&) { ++second; });
  q.Post({604, 0, 0});
  EXPECT_EQ(first, 1);
  EXPECT_EQ(second, 0);
}

TEST(EventQueue, EndlessRepostingIsCutOff) {
  EventQueue q;
  q.Listen([&](const HostEvent& e) { q.Post(e); });
  q.Post({9, 0, 0});
  EXPECT_EQ(q.Pending(), 0u);
  EXPECT_GT(q.Dropped(), 0u);
}

}  // namespace
}  // namespace host
