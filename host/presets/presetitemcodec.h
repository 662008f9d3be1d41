#pragma once
// The file of one library item: a small header that listing reads alone, then
// the data and the thumbnail.
//
//   "GXPI", u16 version, u16 flags (0), u32 header length H,
//   H header bytes, u32 CRC-32 of everything before it,
//   the data, the thumbnail as stored, the colour names (ColorNamesCodec),
//   u32 CRC-32 of those three.
//
// Version 2 adds the colour names and their size at the header's end; an
// item without names is written as version 1, which older hosts read.
// Little-endian. The thumbnail's pixels are deflated when that makes them
// smaller, which for the flat cells of a swatch thumbnail is almost always.
#include <cstdint>
#include <span>
#include <string>
#include <vector>

#include "core/bytewriter.h"
#include "core/outcome.h"
#include "presets/presetitem.h"

namespace host {

class PresetItemCodec {
 public:
  static constexpr uint16_t kFormatVersion = 1;
  static constexpr uint16_t kNamesVersion = 2;
  static constexpr size_t kFixedSize = 12;
  // Enough for the header of any item whose text is not unusually long.
  static constexpr size_t kListingRead = 4096;
  static constexpr size_t kMaxText = 1 << 20;
  static constexpr int32_t kMaxThumbnailSide = 2048;
  static constexpr uint64_t kMaxNames = 16u << 20;

  struct Layout {
    PresetItemHeader header;
    size_t header_end = 0;  // where the data starts
    uint64_t thumbnail_stored = 0;
    bool thumbnail_deflated = false;
    uint64_t names_stored = 0;
  };

  static std::vector<uint8_t> Write(const PresetItem& item);
  // The item file bytes with another text: the header is written anew, the
  // data and the thumbnail are kept as stored (neither unpacked nor packed).
  static Outcome<std::vector<uint8_t>> WithText(std::span<const uint8_t> bytes, const std::string& text);
  // The same with other colour names (none when all are blank); the data and
  // the thumbnail are kept as stored.
  static Outcome<std::vector<uint8_t>> WithColorNames(std::span<const uint8_t> bytes, const ColorNames& names);

  // How many bytes from the start hold the header with its checksum, from
  // at least the first kFixedSize bytes.
  static Outcome<size_t> HeaderExtent(std::span<const uint8_t> start);
  // From the first bytes (at least HeaderExtent) of a file of file_size bytes.
  static Outcome<Layout> ReadHeader(std::span<const uint8_t> head, uint64_t file_size);

  // The whole item; without_thumbnail leaves its pixels out (but still checks them).
  static Outcome<PresetItem> Read(std::span<const uint8_t> bytes, bool with_thumbnail = true);

 private:
  // Magic, version, header and its checksum for the layout's header; its
  // data_size, thumbnail size and stored thumbnail are taken as given.
  static ByteWriter HeaderBytes(const Layout& l);
  // The layout of a whole file whose payload matches its checksum.
  static Outcome<Layout> CheckedLayout(std::span<const uint8_t> bytes);
};

}  // namespace host
