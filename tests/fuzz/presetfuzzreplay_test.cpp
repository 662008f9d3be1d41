// Replays the preset and palette fuzz targets over seeded mutations of real
// files in every build; libFuzzer builds explore further.
#include <gtest/gtest.h>

#include <random>

#include "presets/asepalette.h"
#include "presets/presetindex.h"
#include "presets/presetitemcodec.h"

int FuzzPresetItem(const uint8_t* data, size_t size);
int FuzzGplPalette(const uint8_t* data, size_t size);
int FuzzAsePalette(const uint8_t* data, size_t size);
int FuzzPresetIndex(const uint8_t* data, size_t size);

namespace {

using Target = int (*)(const uint8_t*, size_t);

void Mutate(std::vector<uint8_t>& bytes, std::mt19937& rng) {
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
}

void Replay(Target target, const std::vector<uint8_t>& seed, int rounds) {
  std::mt19937 rng(20017);
  ASSERT_EQ(target(seed.data(), seed.size()), 0);
  for (int round = 0; round < rounds; ++round) {
    auto bytes = seed;
    Mutate(bytes, rng);
    ASSERT_EQ(target(bytes.data(), bytes.size()), 0);
  }
}

TEST(PresetFuzz, MutatedItemFilesAreReadOrRefused) {
  host::PresetItem item;
  item.header.type = 1032074;
  item.header.text = "seed";
  item.data = {1, 2, 3, 4, 5, 6, 7, 8};
  item.thumbnail = {4, 2, std::vector<uint8_t>(4 * 2 * 3, 9)};
  Replay(&FuzzPresetItem, host::PresetItemCodec::Write(item), 20000);
  item.thumbnail.rgb[0] = 0;  // too short to gain from deflating: stored raw
  item.thumbnail.width = item.thumbnail.height = 1;
  item.thumbnail.rgb.resize(3);
  Replay(&FuzzPresetItem, host::PresetItemCodec::Write(item), 5000);
}

TEST(PresetFuzz, MutatedListingIndexesAreReadOrRefused) {
  host::PresetIndex::Entries entries;
  entries["Color Swatches/Sunset.gxp"] = {120, 1700000000123456789, 42, {3, 1032074, "warm", 2, 900, 300, 512, 512}};
  entries["Other.gxp"] = {7, -1, 0, {}};
  auto bytes = host::PresetIndex::Write(entries);
  // Without its checksum, as the target frames its input with a correct one.
  bytes.resize(bytes.size() - 4);
  Replay(&FuzzPresetIndex, bytes, 20000);
}

std::vector<uint8_t> Bytes(const std::string& s) { return {s.begin(), s.end()}; }

TEST(PresetFuzz, MutatedPaletteFilesAreReadOrRefused) {
  Replay(&FuzzGplPalette, Bytes("GIMP Palette\r\nName: Sea\nColumns: 4\n# c\n  0 128 255\tBlue\n1 2 3\n"), 20000);
  host::Palette p;
  p.groups = {{"Warm", {{1.0, 0.5, 0.25, "a"}, {0.0, 0.0, 0.0, ""}}}, {"Cold", {{0.1, 0.2, 0.3, "b"}}}};
  Replay(&FuzzAsePalette, host::AsePalette::Write(p), 20000);
}

}  // namespace
