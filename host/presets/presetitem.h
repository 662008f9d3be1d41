#pragma once
// One item of the preset library as the host keeps it. The binary data is
// the preset type's own (the host never looks inside); the compression kind
// and uncompressed size travel with it because the type decides them.
#include <cstdint>
#include <string>
#include <vector>

#include "presets/colornamescodec.h"

namespace host {

// 24-bit pixels, rows top to bottom, 3 bytes a pixel.
struct PresetThumbnail {
  int32_t width = 0;
  int32_t height = 0;
  std::vector<uint8_t> rgb;

  bool IsEmpty() const { return width <= 0 || height <= 0; }
  bool operator==(const PresetThumbnail&) const = default;
};

// What listing reads: everything but the data and the thumbnail's pixels.
struct PresetItemHeader {
  int32_t kind = 3;                // the browser's item kind; 3 is a preset
  int32_t type = 0;                // the preset type's ID, e.g. 1032074 for swatches
  std::string text;                // the user's description, may be empty
  int32_t data_kind = 0;           // 0 stored, 1 or 2 compressed by the type
  uint64_t uncompressed_size = 0;  // of the data once decompressed
  uint64_t data_size = 0;          // of the data as stored
  int32_t thumbnail_width = 0;
  int32_t thumbnail_height = 0;

  bool operator==(const PresetItemHeader&) const = default;
};

struct PresetItem {
  PresetItemHeader header;  // data_size and the thumbnail's size follow the fields below
  std::vector<uint8_t> data;
  PresetThumbnail thumbnail;
  // Beside the data, for types whose data cannot hold them; empty for most.
  ColorNames color_names;

  bool operator==(const PresetItem&) const = default;
};

// The item kinds the browser knows.
enum : int32_t { kPresetItemKind = 3 };

}  // namespace host
