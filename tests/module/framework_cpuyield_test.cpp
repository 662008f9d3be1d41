#include <gtest/gtest.h>

#include "cpuyield.h"

namespace
{
int g_yields = 0;
void CountYield()
{
  ++g_yields;
}

// Yields seen while waiting for the predicate to turn true at check n.
int YieldsUntilCheck(int n)
{
  g_yields = 0;
  int checks = 0;
  SpinWaitUntil([&] { return ++checks >= n; });
  return g_yields;
}
}  // namespace

TEST(SpinWait, BacksOffBeforeYieldingThroughTheHostHook)
{
  gxa_cpu_yield = &CountYield;
  // Eight spin phases (16 to 2048 rounds) come before the first yield.
  EXPECT_EQ(YieldsUntilCheck(1), 0);
  EXPECT_EQ(YieldsUntilCheck(9), 0);
  EXPECT_EQ(YieldsUntilCheck(10), 1);
  EXPECT_EQ(YieldsUntilCheck(14), 5);
  gxa_cpu_yield = nullptr;
  // Without a hook the thread's own yield serves.
  EXPECT_EQ(YieldsUntilCheck(12), 0);
}
