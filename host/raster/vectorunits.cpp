#include "raster/vectorunits.h"

#include <algorithm>
#include <atomic>

#include "raster/vectorintrinsics.h"

namespace host {

namespace {

Vectors Detect() {
#ifdef GXA_X86_VECTORS
  if (__builtin_cpu_supports("avx512f") && __builtin_cpu_supports("avx512bw") && __builtin_cpu_supports("avx512vl") &&
      __builtin_cpu_supports("avx512dq")) {
    if (__builtin_cpu_supports("avx512vbmi") && __builtin_cpu_supports("avx512vnni")) return Vectors::Avx512Vbmi;
    return Vectors::Avx512;
  }
  if (__builtin_cpu_supports("avx2")) return Vectors::Avx2;
#endif
  return Vectors::None;
}

const Vectors kDetected = Detect();
std::atomic<Vectors> limit{Vectors::Avx512Vbmi};

}  // namespace

Vectors VectorUnits::Best() { return std::min(kDetected, limit.load(std::memory_order_relaxed)); }

void VectorUnits::Limit(Vectors most) { limit.store(most, std::memory_order_relaxed); }

}  // namespace host
