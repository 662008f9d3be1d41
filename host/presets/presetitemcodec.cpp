#include "presets/presetitemcodec.h"

#include <zlib.h>

#include <algorithm>
#include <array>
#include <memory>

#include "core/bytereader.h"
#include "core/bytewriter.h"

namespace host {

namespace {

constexpr std::array<uint8_t, 4> kMagic = {'G', 'X', 'P', 'I'};
constexpr size_t kChecksumSize = 4;
constexpr size_t kMaxHeaderBody = PresetItemCodec::kMaxText + 64;

uint32_t Crc(std::span<const uint8_t> bytes) {
  uLong crc = crc32(0L, Z_NULL, 0);
  // zlib takes at most 4 GiB at a time.
  for (size_t at = 0; at < bytes.size();) {
    size_t n = std::min<size_t>(bytes.size() - at, 1u << 30);
    crc = crc32(crc, bytes.data() + at, static_cast<uInt>(n));
    at += n;
  }
  return static_cast<uint32_t>(crc);
}

// Level 1 finds the repeats of flat cells and rows at a fraction of the
// time of higher levels; the result is within a few percent.
std::vector<uint8_t> Deflate(std::span<const uint8_t> raw) {
  uLongf size = compressBound(static_cast<uLong>(raw.size()));
  // Left uninitialised: flat cells pack to a few percent of the bound, and
  // zeroing all of it would fault in every page.
  std::unique_ptr<uint8_t[]> out(new uint8_t[size]);
  if (compress2(out.get(), &size, raw.data(), static_cast<uLong>(raw.size()), 1) != Z_OK) return {};
  return std::vector<uint8_t>(out.get(), out.get() + size);
}

bool Inflate(std::span<const uint8_t> packed, std::vector<uint8_t>& out) {
  uLongf size = static_cast<uLongf>(out.size());
  return uncompress(out.data(), &size, packed.data(), static_cast<uLong>(packed.size())) == Z_OK && size == out.size();
}

uint64_t PixelBytes(int32_t w, int32_t h) { return static_cast<uint64_t>(w) * static_cast<uint64_t>(h) * 3; }

std::vector<uint8_t> NamesBytes(const ColorNames& names) {
  return ColorNamesCodec::IsBlank(names) ? std::vector<uint8_t>{} : ColorNamesCodec::Write(names);
}

}  // namespace

std::vector<uint8_t> PresetItemCodec::Write(const PresetItem& item) {
  const PresetThumbnail& thumb = item.thumbnail;
  const bool has_thumb = !thumb.IsEmpty() && thumb.rgb.size() == PixelBytes(thumb.width, thumb.height);
  std::vector<uint8_t> packed = has_thumb ? Deflate(thumb.rgb) : std::vector<uint8_t>{};
  const bool deflated = has_thumb && !packed.empty() && packed.size() < thumb.rgb.size();
  std::span<const uint8_t> stored = !has_thumb ? std::span<const uint8_t>{}
                                    : deflated ? std::span<const uint8_t>(packed)
                                               : std::span<const uint8_t>(thumb.rgb);
  const std::vector<uint8_t> names = NamesBytes(item.color_names);
  Layout l;
  l.header = item.header;
  l.header.data_size = item.data.size();
  l.header.thumbnail_width = has_thumb ? thumb.width : 0;
  l.header.thumbnail_height = has_thumb ? thumb.height : 0;
  l.thumbnail_deflated = deflated;
  l.thumbnail_stored = stored.size();
  l.names_stored = names.size();
  ByteWriter w = HeaderBytes(l);
  const size_t payload_start = w.Size();
  w.Raw(item.data);
  w.Raw(stored);
  w.Raw(names);
  w.U32(Crc(std::span(w.Bytes()).subspan(payload_start)));
  return w.Take();
}

ByteWriter PresetItemCodec::HeaderBytes(const Layout& l) {
  const PresetItemHeader& h = l.header;
  ByteWriter body;
  body.I32(h.kind);
  body.I32(h.type);
  body.I32(h.data_kind);
  body.U64(h.uncompressed_size);
  body.U64(h.data_size);
  body.I32(h.thumbnail_width);
  body.I32(h.thumbnail_height);
  body.U8(l.thumbnail_deflated ? 1 : 0);
  body.U64(l.thumbnail_stored);
  body.Sized(std::string_view(h.text).substr(0, kMaxText));
  if (l.names_stored > 0) body.U64(l.names_stored);

  ByteWriter w;
  w.Raw(kMagic);
  w.U16(l.names_stored > 0 ? kNamesVersion : kFormatVersion);
  w.U16(0);
  w.U32(static_cast<uint32_t>(body.Size()));
  w.Raw(body.Bytes());
  w.U32(Crc(w.Bytes()));
  return w;
}

Outcome<PresetItemCodec::Layout> PresetItemCodec::CheckedLayout(std::span<const uint8_t> bytes) {
  auto layout = ReadHeader(bytes, bytes.size());
  if (!layout) return layout;
  const auto payload = bytes.subspan(layout->header_end);
  if (Crc(payload.first(payload.size() - kChecksumSize)) != ByteReader(payload.last(kChecksumSize)).U32()) {
    return Outcome<Layout>::Fail("the preset item's data does not match its checksum");
  }
  return layout;
}

Outcome<std::vector<uint8_t>> PresetItemCodec::WithText(std::span<const uint8_t> bytes, const std::string& text) {
  using R = Outcome<std::vector<uint8_t>>;
  auto layout = CheckedLayout(bytes);
  if (!layout) return R::Fail(layout.Error());
  Layout l = layout.Value();
  l.header.text = text;
  ByteWriter w = HeaderBytes(l);
  // Data, thumbnail, names and their checksum stay byte for byte.
  w.Raw(bytes.subspan(l.header_end));
  return w.Take();
}

Outcome<std::vector<uint8_t>> PresetItemCodec::WithColorNames(std::span<const uint8_t> bytes, const ColorNames& names) {
  using R = Outcome<std::vector<uint8_t>>;
  auto layout = CheckedLayout(bytes);
  if (!layout) return R::Fail(layout.Error());
  Layout l = layout.Value();
  const auto kept = bytes.subspan(l.header_end, l.header.data_size + l.thumbnail_stored);
  const std::vector<uint8_t> stored = NamesBytes(names);
  l.names_stored = stored.size();
  ByteWriter w = HeaderBytes(l);
  const size_t payload_start = w.Size();
  w.Raw(kept);
  w.Raw(stored);
  w.U32(Crc(std::span(w.Bytes()).subspan(payload_start)));
  return w.Take();
}

Outcome<size_t> PresetItemCodec::HeaderExtent(std::span<const uint8_t> start) {
  using R = Outcome<size_t>;
  if (start.size() < kFixedSize)
    return R::Fail("too short for a preset item (" + std::to_string(start.size()) + " bytes)");
  if (!std::equal(kMagic.begin(), kMagic.end(), start.begin())) return R::Fail("not a preset item file");
  ByteReader r(start.subspan(4));
  const uint16_t version = r.U16();
  const uint16_t flags = r.U16();
  const uint32_t body = r.U32();
  if (version != kFormatVersion && version != kNamesVersion)
    return R::Fail("preset item format version " + std::to_string(version) + " is not known");
  if (flags != 0) return R::Fail("preset item flags " + std::to_string(flags) + " are not known");
  if (body > kMaxHeaderBody) return R::Fail("preset item header of " + std::to_string(body) + " bytes is too long");
  return kFixedSize + body + kChecksumSize;
}

Outcome<PresetItemCodec::Layout> PresetItemCodec::ReadHeader(std::span<const uint8_t> head, uint64_t file_size) {
  using R = Outcome<Layout>;
  auto extent = HeaderExtent(head);
  if (!extent) return R::Fail(extent.Error());
  if (head.size() < *extent || file_size < *extent) return R::Fail("the preset item header is cut short");
  const size_t crc_at = *extent - kChecksumSize;
  if (Crc(head.first(crc_at)) != ByteReader(head.subspan(crc_at)).U32()) {
    return R::Fail("the preset item header does not match its checksum");
  }
  Layout l;
  ByteReader r(head.subspan(kFixedSize, crc_at - kFixedSize));
  l.header.kind = r.I32();
  l.header.type = r.I32();
  l.header.data_kind = r.I32();
  l.header.uncompressed_size = r.U64();
  l.header.data_size = r.U64();
  l.header.thumbnail_width = r.I32();
  l.header.thumbnail_height = r.I32();
  const uint8_t encoding = r.U8();
  l.thumbnail_stored = r.U64();
  l.header.text = r.SizedText();
  if (ByteReader(head.subspan(4)).U16() == kNamesVersion) l.names_stored = r.U64();
  if (r.Failed() || r.Remaining() != 0) return R::Fail("the preset item header is malformed");
  if (encoding > 1) return R::Fail("the thumbnail encoding " + std::to_string(encoding) + " is not known");
  l.thumbnail_deflated = encoding == 1;
  const int32_t w = l.header.thumbnail_width, h = l.header.thumbnail_height;
  const bool no_thumb = w == 0 && h == 0 && l.thumbnail_stored == 0;
  if (!no_thumb && (w <= 0 || h <= 0 || w > kMaxThumbnailSide || h > kMaxThumbnailSide ||
                    (!l.thumbnail_deflated && l.thumbnail_stored != PixelBytes(w, h)))) {
    return R::Fail("the thumbnail size " + std::to_string(w) + " x " + std::to_string(h) + " is not valid");
  }
  if (l.names_stored > kMaxNames) {
    return R::Fail("colour names of " + std::to_string(l.names_stored) + " bytes are more than a preset holds");
  }
  l.header_end = *extent;
  const uint64_t rest = file_size - *extent;
  // Each sum is checked against what is left so that no size can overflow it.
  if (l.header.data_size > rest || l.thumbnail_stored > rest - l.header.data_size ||
      l.names_stored > rest - l.header.data_size - l.thumbnail_stored ||
      rest - l.header.data_size - l.thumbnail_stored - l.names_stored != kChecksumSize) {
    return R::Fail("the preset item's sizes do not match its file size");
  }
  return l;
}

Outcome<PresetItem> PresetItemCodec::Read(std::span<const uint8_t> bytes, bool with_thumbnail) {
  using R = Outcome<PresetItem>;
  auto layout = CheckedLayout(bytes);
  if (!layout) return R::Fail(layout.Error());
  const Layout& l = layout.Value();
  auto payload = bytes.subspan(l.header_end, bytes.size() - l.header_end - kChecksumSize);
  PresetItem item;
  item.header = l.header;
  item.data.assign(payload.begin(), payload.begin() + static_cast<ptrdiff_t>(l.header.data_size));
  if (l.names_stored > 0) {
    auto names = ColorNamesCodec::Read(payload.last(l.names_stored));
    if (!names) return R::Fail("the preset item's " + names.Error());
    item.color_names = std::move(names.Value());
  }
  if (!with_thumbnail || l.header.thumbnail_width == 0) return item;
  auto stored = payload.subspan(l.header.data_size, l.thumbnail_stored);
  PresetThumbnail& t = item.thumbnail;
  t.width = l.header.thumbnail_width;
  t.height = l.header.thumbnail_height;
  if (!l.thumbnail_deflated) {
    t.rgb.assign(stored.begin(), stored.end());
  } else {
    t.rgb.resize(PixelBytes(t.width, t.height));
    if (!Inflate(stored, t.rgb)) return R::Fail("the thumbnail does not unpack to its size");
  }
  return item;
}

}  // namespace host
