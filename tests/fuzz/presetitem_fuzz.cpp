// Fuzz target for library item files: any bytes are either refused with a
// message or read into an item that writes back and reads again the same.
// To get past the checksums the input is also tried as a header body and a
// payload framed with correct ones.
#include <zlib.h>

#include <cstdlib>

#include "core/bytereader.h"
#include "core/bytewriter.h"
#include "fuzztarget.h"
#include "presets/presetitemcodec.h"

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
}

uint32_t Crc(std::span<const uint8_t> b) { return static_cast<uint32_t>(crc32(0, b.data(), static_cast<uInt>(b.size()))); }

// The first byte says how much of the rest is header body.
std::vector<uint8_t> Framed(std::span<const uint8_t> input) {
  if (input.empty()) return {};
  size_t body = std::min<size_t>(input[0] + 37, input.size() - 1);
  auto head = input.subspan(1, body), payload = input.subspan(1 + body);
  host::ByteWriter w;
  w.Raw(std::vector<uint8_t>{'G', 'X', 'P', 'I'});
  w.U16(host::PresetItemCodec::kFormatVersion);
  w.U16(0);
  w.U32(static_cast<uint32_t>(head.size()));
  w.Raw(head);
  w.U32(Crc(w.Bytes()));
  w.Raw(payload);
  w.U32(Crc(payload));
  return w.Take();
}

}  // namespace

GXA_FUZZ_TARGET(FuzzPresetItem) {
  std::span<const uint8_t> bytes(data, size);
  Check(bytes);
  Check(Framed(bytes));
  return 0;
}
