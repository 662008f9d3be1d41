// Fuzz target for the preset library's listing index: any bytes are refused
// with a message or read into entries that write back the same. The input
// is also tried behind a correct checksum, to reach the entries.
#include <zlib.h>

#include <cstdlib>

#include "core/bytewriter.h"
#include "fuzztarget.h"
#include "presets/presetindex.h"

namespace gxa_fuzz {
namespace {

void Check(std::span<const uint8_t> bytes) {
  auto read = host::PresetIndex::Read(bytes);
  if (!read) {
    if (read.Error().empty()) std::abort();
    return;
  }
  const auto written = host::PresetIndex::Write(read.Value());
  auto again = host::PresetIndex::Read(written);
  if (!again || again.Value() != read.Value() || host::PresetIndex::Write(again.Value()) != written) std::abort();
}

void Run(std::span<const uint8_t> bytes) {
  Check(bytes);
  std::vector<uint8_t> framed(bytes.begin(), bytes.end());
  const uint32_t crc = static_cast<uint32_t>(crc32(0, framed.data(), static_cast<uInt>(framed.size())));
  for (int i = 0; i < 4; ++i) framed.push_back(static_cast<uint8_t>(crc >> (8 * i)));
  Check(framed);
}

std::vector<Bytes> Seeds() {
  host::PresetIndex::Entries entries;
  entries["Color Swatches/Sunset.gxp"] = {120, 1700000000123456789, 42, {3, 1032074, "warm", 2, 900, 300, 512, 512}};
  entries["Other.gxp"] = {7, -1, 0, {}};
  auto bytes = host::PresetIndex::Write(entries);
  // Without its checksum, as the target frames its input with a correct one.
  bytes.resize(bytes.size() - 4);
  return {bytes};
}

const bool kRegistered = Register({"presetindex", &Run, &Seeds, 20000});

}  // namespace
}  // namespace gxa_fuzz
