#pragma once
// How `gxa-host presets` shows library items: one line an item for people
// and scripts that grep, or JSON.
#include <nlohmann/json.hpp>
#include <string>

#include "presets/palette.h"
#include "presets/presetlibrary.h"

namespace host::cli {

class PresetReport {
 public:
  static nlohmann::json Json(const PresetEntry& entry);
  static nlohmann::json Json(const PresetListing& listing);
  // URL, then kind and type, then the text in quotes when there is one.
  static std::string Line(const PresetEntry& entry);
  // "#RRGGBB" at 8 bits.
  static std::string Hex(const PaletteColor& c);
  // Every field of one item, a line each.
  static std::string Details(const PresetEntry& entry);
};

}  // namespace host::cli
