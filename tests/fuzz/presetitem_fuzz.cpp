// Fuzz target for library item files: any bytes are either refused with a
// message or read into an item that writes back and reads again the same.
// To get past the checksums the input is also tried as a header body and a
// payload framed with correct ones, and alone as the colour names that
// follow the thumbnail: read names write back the same bytes.
#include <zlib.h>

#include <algorithm>
#include <cstdlib>

#include "core/bytereader.h"
#include "core/bytewriter.h"
#include "fuzztarget.h"
#include "presets/colornamescodec.h"
#include "presets/presetitemcodec.h"

namespace gxa_fuzz {
namespace {

void Check(std::span<const uint8_t> bytes) {
  auto header = host::PresetItemCodec::ReadHeader(bytes, bytes.size());
  auto item = host::PresetItemCodec::Read(bytes);
  if (!item) {
    if (item.Error().empty()) std::abort();
    return;
  }
  if (!header || header->header.text != item->header.text) std::abort();
  auto again = host::PresetItemCodec::Read(host::PresetItemCodec::Write(item.Value()));
  if (!again) std::abort();
  if (again->data != item->data || again->thumbnail != item->thumbnail || again->header.type != item->header.type) {
    std::abort();
  }
  // Blank names are not stored again.
  if (!host::ColorNamesCodec::IsBlank(item->color_names) && again->color_names != item->color_names) std::abort();
}

void CheckNames(std::span<const uint8_t> bytes) {
  auto names = host::ColorNamesCodec::Read(bytes);
  if (!names) {
    if (names.Error().empty()) std::abort();
    return;
  }
  auto written = host::ColorNamesCodec::Write(names.Value());
  if (!std::equal(written.begin(), written.end(), bytes.begin(), bytes.end())) std::abort();
}

uint32_t Crc(std::span<const uint8_t> b) {
  return static_cast<uint32_t>(crc32(0, b.data(), static_cast<uInt>(b.size())));
}

// The first byte says how much of the rest is header body, and its lowest
// bit which version the header claims.
std::vector<uint8_t> Framed(std::span<const uint8_t> input) {
  if (input.empty()) return {};
  size_t body = std::min<size_t>(input[0] + 37, input.size() - 1);
  auto head = input.subspan(1, body), payload = input.subspan(1 + body);
  host::ByteWriter w;
  w.Raw(std::vector<uint8_t>{'G', 'X', 'P', 'I'});
  w.U16((input[0] & 1) ? host::PresetItemCodec::kNamesVersion : host::PresetItemCodec::kFormatVersion);
  w.U16(0);
  w.U32(static_cast<uint32_t>(head.size()));
  w.Raw(head);
  w.U32(Crc(w.Bytes()));
  w.Raw(payload);
  w.U32(Crc(payload));
  return w.Take();
}

void Run(std::span<const uint8_t> bytes) {
  Check(bytes);
  Check(Framed(bytes));
  CheckNames(bytes);
}

std::vector<Bytes> Seeds() {
  host::PresetItem item;
  item.header.type = 1032074;
  item.header.text = "seed";
  item.data = {1, 2, 3, 4, 5, 6, 7, 8};
  item.thumbnail = {4, 2, std::vector<uint8_t>(4 * 2 * 3, 9)};
  std::vector<Bytes> seeds{host::PresetItemCodec::Write(item)};
  item.thumbnail.rgb[0] = 0;  // too short to gain from deflating: stored raw
  item.thumbnail.width = item.thumbnail.height = 1;
  item.thumbnail.rgb.resize(3);
  seeds.push_back(host::PresetItemCodec::Write(item));
  item.color_names = {{"Blood Orange", "", "Teal \xC3\xA9"}, {}};
  seeds.push_back(host::PresetItemCodec::Write(item));
  seeds.push_back(host::ColorNamesCodec::Write(item.color_names));
  return seeds;
}

const bool kRegistered = Register({"presetitem", &Run, &Seeds, 25000});

}  // namespace
}  // namespace gxa_fuzz
