#include "cpuyield.h"

#include <atomic>
#include <thread>

__attribute__((visibility("default"))) GxaCpuYieldFn gxa_cpu_yield = nullptr;

void CpuYield()
{
  if (GxaCpuYieldFn hook = gxa_cpu_yield)
    hook();
  else
    std::this_thread::yield();
}

void SpinWaitUntil(const std::function<bool()>& done)
{
  constexpr int kFirstRounds = 16;
  constexpr int kLastRounds = 2048;
  int rounds = kFirstRounds;
  while (!done())
  {
    if (rounds > kLastRounds)
    {
      CpuYield();
      continue;
    }
    for (int i = 0; i < rounds; ++i)
      std::atomic_signal_fence(std::memory_order_seq_cst);
    rounds *= 2;
  }
}
