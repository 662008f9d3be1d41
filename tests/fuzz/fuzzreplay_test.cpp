// Every fuzz target over its seeds and seeded mutations of them, so that each
// target runs in every build (libFuzzer builds explore further).
#include <gtest/gtest.h>

#include <random>

#include "fuzztarget.h"

namespace gxa_fuzz {

namespace {

Bytes Mutated(Bytes bytes, std::mt19937& rng) {
  const int edits = 1 + static_cast<int>(rng() % 4);
  for (int e = 0; e < edits; ++e) {
    if (bytes.empty()) bytes.push_back(0);
    const size_t at = rng() % bytes.size();
    switch (rng() % 4) {
      case 0: bytes[at] = static_cast<uint8_t>(rng()); break;
      case 1: bytes.erase(bytes.begin() + static_cast<long>(at)); break;
      case 2: bytes.insert(bytes.begin() + static_cast<long>(at), static_cast<uint8_t>(rng())); break;
      // Text formats break at their punctuation.
      default: bytes[at] = static_cast<uint8_t>("{}[]\",:0-9e.\\x"[rng() % 15]); break;
    }
  }
  return bytes;
}

TEST(FuzzReplay, EveryTargetTakesItsSeedsAndMutations) {
  ASSERT_FALSE(Targets().empty());
  for (const Target& t : Targets()) {
    SCOPED_TRACE(t.name);
    const auto seeds = t.seeds();
    ASSERT_FALSE(seeds.empty());
    for (const Bytes& seed : seeds) t.run(seed);
    std::mt19937 rng(20017);
    for (int round = 0; round < t.replayRounds; ++round) {
      t.run(Mutated(seeds[static_cast<size_t>(round) % seeds.size()], rng));
    }
  }
}

}  // namespace
}  // namespace gxa_fuzz
