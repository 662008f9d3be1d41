// Runs the fuzz target over a fixed, seeded set of mutated streams, so the
// target is exercised in every build (libFuzzer builds explore further).
#include <gtest/gtest.h>

#include <random>

#include "core/containercodec.h"

int FuzzContainerCodec(const uint8_t* data, size_t size);

namespace {

std::vector<uint8_t> Seed() {
  host::Container inner(3);
  inner.SetString(1, "group");
  inner.Set(2, host::Value::Color({0.1, 0.2, 0.3, 1.0}));
  host::Container c(1127);
  c.SetContainer(0, inner);
  c.Insert(0, host::Value::Of(inner));
  c.SetInt64(5, -9);
  c.Set(6, host::Value::ByteArray({1, 2, 3}));
  c.Set(7, host::Value::Empty(23));
  return host::ContainerCodec::Write(c).Value();
}

TEST(ContainerCodecFuzz, MutatedStreamsAreReadOrRejected) {
  const auto seed = Seed();
  const std::vector<uint8_t> payload(seed.begin() + host::ContainerCodec::kHeaderSize,
                                     seed.end() - host::ContainerCodec::kChecksumSize);
  std::mt19937 rng(20017);
  for (int round = 0; round < 20000; ++round) {
    // The target also tries every input as a payload behind a correct
    // checksum, so mutated payloads reach the value parser.
    auto bytes = round % 2 ? payload : seed;
    int edits = 1 + static_cast<int>(rng() % 4);
    for (int e = 0; e < edits; ++e) {
      size_t at = rng() % bytes.size();
      switch (rng() % 3) {
        case 0: bytes[at] = static_cast<uint8_t>(rng()); break;
        case 1: bytes.erase(bytes.begin() + static_cast<long>(at)); break;
        default: bytes.insert(bytes.begin() + static_cast<long>(at), static_cast<uint8_t>(rng())); break;
      }
      if (bytes.empty()) bytes.push_back(0);
    }
    ASSERT_EQ(FuzzContainerCodec(bytes.data(), bytes.size()), 0);
  }
  EXPECT_EQ(FuzzContainerCodec(seed.data(), seed.size()), 0);
}

}  // namespace
