// Every fuzz target over its seeds and seeded mutations of them, so that each
// target runs in every build (libFuzzer builds explore further).
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
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

// Inputs the fuzzers once found, kept beside the targets.
std::vector<Bytes> KeptInputs(const std::string& target) {
  std::vector<Bytes> out;
  const auto dir = std::filesystem::path(gxa_test::TestData()) / ".." / "fuzz" / "corpus" / target;
  if (!std::filesystem::is_directory(dir)) return out;
  for (const auto& entry : std::filesystem::directory_iterator(dir)) {
    std::ifstream in(entry.path(), std::ios::binary);
    out.emplace_back(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
  }
  return out;
}

TEST(FuzzReplay, EveryTargetTakesItsKeptInputs) {
  for (const Target& t : Targets()) {
    SCOPED_TRACE(t.name);
    for (const Bytes& input : KeptInputs(t.name)) t.run(input);
  }
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
