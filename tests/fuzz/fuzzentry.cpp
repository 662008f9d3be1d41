// libFuzzer's entry points for a build that links one target. With
// GXA_FUZZ_SEEDS=DIR set, the target's seeds are first written into DIR.
#include <cstdlib>
#include <filesystem>
#include <fstream>

#include "fuzztarget.h"

extern "C" int LLVMFuzzerInitialize(int*, char***) {
  const char* dir = std::getenv("GXA_FUZZ_SEEDS");
  if (!dir || gxa_fuzz::Targets().size() != 1) return 0;
  std::filesystem::create_directories(dir);
  int n = 0;
  for (const auto& seed : gxa_fuzz::Targets().front().seeds()) {
    std::ofstream out(std::filesystem::path(dir) / ("seed-" + std::to_string(n++)), std::ios::binary);
    out.write(reinterpret_cast<const char*>(seed.data()), static_cast<std::streamsize>(seed.size()));
  }
  return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  gxa_fuzz::Targets().front().run({data, size});
  return 0;
}
