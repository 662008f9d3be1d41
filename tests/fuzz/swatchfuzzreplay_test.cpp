// Replays the swatch fuzz targets over seeded mutations of real stored
// groups and preset data in every build; libFuzzer builds explore further.
#include <gtest/gtest.h>

#include <cstring>
#include <random>

#include "core/containercodec.h"

int FuzzSwatchBytes(const uint8_t* data, size_t size);
int FuzzSwatchPreset(const uint8_t* data, size_t size);

namespace {

std::vector<uint8_t> Doubles(std::initializer_list<double> values) {
  std::vector<uint8_t> bytes(values.size() * 8);
  std::memcpy(bytes.data(), values.begin(), bytes.size());
  return bytes;
}

std::vector<uint8_t> Records() {
  std::vector<uint8_t> r;
  for (double v : {0.1, 0.5, 0.9}) {
    auto rgb = Doubles({v, 1 - v, v * v});
    r.insert(r.end(), rgb.begin(), rgb.end());
    r.insert(r.end(), {1, 0, 0, 0, 0, 0, 0, 0});
  }
  return r;
}

void Replay(int (*target)(const uint8_t*, size_t), const std::vector<uint8_t>& seed, int rounds) {
  std::mt19937 rng(20017);
  ASSERT_EQ(target(seed.data(), seed.size()), 0);
  for (int round = 0; round < rounds; ++round) {
    auto bytes = seed;
    for (int e = 1 + int(rng() % 4); e > 0; --e) {
      const size_t at = rng() % bytes.size();
      switch (rng() % 3) {
        case 0: bytes[at] = uint8_t(rng()); break;
        case 1: bytes.erase(bytes.begin() + long(at)); break;
        default: bytes.insert(bytes.begin() + long(at), uint8_t(rng())); break;
      }
      if (bytes.empty()) bytes.push_back(0);
    }
    ASSERT_EQ(target(bytes.data(), bytes.size()), 0);
  }
}

TEST(SwatchFuzz, MutatedGroupBytesAreReadAsFarAsTheyGo) {
  std::vector<uint8_t> seed = {0, 96};
  auto records = Records();
  auto alphas = Doubles({1.0, 0.0, 0.5});
  seed.insert(seed.end(), records.begin(), records.end());
  seed.insert(seed.end(), alphas.begin(), alphas.end());
  Replay(&FuzzSwatchBytes, seed, 5000);
}

TEST(SwatchFuzz, MutatedPresetDataInEveryKindIsLoadedOrRefused) {
  host::Container group;
  group.SetString(0, "Seed");
  group.SetBool(1, true);
  group.Set(2, host::Value::ByteArray(Records()));
  group.Set(3, host::Value::ByteArray(Doubles({1.0, 0.25, 0.5})));
  host::Container collection;
  collection.SetInt32(0, 2);
  collection.SetContainer(1, group);
  collection.SetContainer(2, group);
  const std::vector<uint8_t> stream = host::ContainerCodec::Write(collection).Value();
  for (uint8_t mode : {0, 1}) {
    std::vector<uint8_t> seed = {mode};
    seed.insert(seed.end(), stream.begin(), stream.end());
    Replay(&FuzzSwatchPreset, seed, 3000);
  }
  // Compressed data itself, claiming its true size and others.
  std::vector<uint8_t> packed = {3, uint8_t(stream.size() >> 8), uint8_t(stream.size())};
  for (uint8_t b : stream) packed.push_back(b ^ 0x5a);
  Replay(&FuzzSwatchPreset, packed, 3000);
}

}  // namespace
