// Fuzz target for the binary data of swatch presets, in each compression
// kind: whatever the bytes, loading either refuses them or gives a
// collection whose colours make a thumbnail. The first byte chooses how the
// rest is presented: as a stored stream (kind 0), compressed here first so
// that the stream reader sees it behind real zlib (kind 2), or as
// compressed data itself (kinds 1 and 2) with a claimed size.
#include <zlib.h>

#include <cstdlib>

#include "fuzztarget.h"
#include "modulefuzzhost.h"
#include "swatches/colorswatchpreset.h"
#include "swatches/swatchthumbnail.h"

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

}  // namespace

GXA_FUZZ_TARGET(FuzzSwatchPreset) {
  EnsureModuleFuzzHost();
  if (size < 1) return 0;
  std::span<const uint8_t> rest(data + 1, size - 1);
  ColorSwatchPreset preset(String("preset:/user.libvx/Color Swatches/fuzz"));
  switch (data[0] % 4) {
    case 0: preset.SetBinaryData(Copy(rest), 0, std::int64_t(rest.size())); break;
    case 1: preset.SetBinaryData(Deflated(rest), 2, std::int64_t(rest.size())); break;
    default: {
      // Two bytes of claimed size, so that short and long claims both occur.
      if (rest.size() < 2) return 0;
      const std::int64_t claimed = rest[0] << 8 | rest[1];
      preset.SetBinaryData(Copy(rest.subspan(2)), data[0] % 4 == 2 ? 1 : 2, claimed);
      break;
    }
  }
  Result<BaseContainer> collection = preset.ReadContainer();
  if (collection.IsError()) return 0;
  Result<BaseArray<SwatchColor>> colors = CollectionColors(collection.GetValue());
  if (colors.IsError()) return 0;
  auto pixels = RenderSwatchThumbnail({colors.GetValue().GetData(), colors.GetValue().GetCount()});
  if (pixels.IsOk() && pixels.GetValue().GetCount() != 512u * 512u * 3u) std::abort();
  return 0;
}
