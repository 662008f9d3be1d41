#pragma once
// The CPU-yield hook: an exported slot (gxa_cpu_yield) that the host may
// fill, and the spin-wait that falls back on it after a short back-off.
#include <functional>

#include "gxa_api.h"

extern "C" __attribute__((visibility("default"))) GxaCpuYieldFn gxa_cpu_yield;

// Gives the CPU away once: through the host's hook, else the thread's yield.
void CpuYield();

// Waits until done() answers true: spins 16 rounds, doubling up to 2048,
// then yields between checks.
void SpinWaitUntil(const std::function<bool()>& done);
