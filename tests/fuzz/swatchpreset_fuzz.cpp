// Fuzz target for the binary data of swatch presets, in each compression
// kind: whatever the bytes, loading either refuses them or gives a
// collection whose colours make a thumbnail. The first byte chooses how the
// rest is presented: as a stored stream (kind 0), compressed here first so
// that the stream reader sees it behind real zlib (kind 2), or as
// compressed data itself (kinds 1 and 2) with a claimed size.
#include <zlib.h>

#include <cstdlib>
#include <cstring>

#include "core/containercodec.h"
#include "fuzztarget.h"
#include "modulefuzzhost.h"
#include "swatches/colorswatchpreset.h"
#include "swatches/swatchthumbnail.h"

namespace gxa_fuzz {
namespace {

BaseArray<std::uint8_t> Copy(std::span<const uint8_t> bytes) {
  BaseArray<std::uint8_t> out;
  (void)out.AppendAll(bytes);
  return out;
}

BaseArray<std::uint8_t> Deflated(std::span<const uint8_t> bytes) {
  uLongf size = compressBound(uLong(bytes.size()));
  std::vector<uint8_t> out(size);
  if (compress2(out.data(), &size, bytes.data(), uLong(bytes.size()), 9) != Z_OK) return {};
  out.resize(size);
  return Copy(out);
}

void Run(std::span<const uint8_t> input) {
  EnsureModuleFuzzHost();
  if (input.empty()) return;
  const uint8_t* data = input.data();
  std::span<const uint8_t> rest = input.subspan(1);
  ColorSwatchPreset preset(String("preset:/user.libvx/Color Swatches/fuzz"));
  switch (data[0] % 4) {
    case 0: preset.SetBinaryData(Copy(rest), 0, std::int64_t(rest.size())); break;
    case 1: preset.SetBinaryData(Deflated(rest), 2, std::int64_t(rest.size())); break;
    default: {
      // Two bytes of claimed size, so that short and long claims both occur.
      if (rest.size() < 2) return;
      const std::int64_t claimed = rest[0] << 8 | rest[1];
      preset.SetBinaryData(Copy(rest.subspan(2)), data[0] % 4 == 2 ? 1 : 2, claimed);
      break;
    }
  }
  Result<BaseContainer> collection = preset.ReadContainer();
  if (collection.IsError()) return;
  Result<BaseArray<SwatchColor>> colors = CollectionColors(collection.GetValue());
  if (colors.IsError()) return;
  auto pixels = RenderSwatchThumbnail({colors.GetValue().GetData(), colors.GetValue().GetCount()});
  if (pixels.IsOk() && pixels.GetValue().GetCount() != 512u * 512u * 3u) std::abort();
}

// A preset of two groups as a plain stream, deflated here, and packed with its true size.
std::vector<Bytes> Seeds() {
  host::Container group;
  group.SetString(0, "Seed");
  group.SetBool(1, true);
  Bytes records(96, 0);
  for (size_t i = 0; i < 3; ++i) {
    const double rgb[3] = {0.1 * double(i + 1), 0.5, 1.0 - 0.2 * double(i)};
    std::memcpy(&records[i * 32], rgb, 24);
  }
  group.Set(2, host::Value::ByteArray(records));
  host::Container collection;
  collection.SetInt32(0, 2);
  collection.SetContainer(1, group);
  collection.SetContainer(2, group);
  const Bytes stream = host::ContainerCodec::Write(collection).Value();
  Bytes plain = {0}, deflate = {1};
  plain.insert(plain.end(), stream.begin(), stream.end());
  deflate.insert(deflate.end(), stream.begin(), stream.end());
  const auto packedData = Deflated(stream);
  Bytes packed = {3, uint8_t(stream.size() >> 8), uint8_t(stream.size())};
  packed.insert(packed.end(), packedData.begin(), packedData.end());
  return {plain, deflate, packed};
}

const bool kRegistered = Register({"swatchpreset", &Run, &Seeds, 3000});

}  // namespace
}  // namespace gxa_fuzz
