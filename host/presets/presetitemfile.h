#pragma once
// Reading one item file: the header alone with one small read (listing), or
// all of it. Errors name the file.
#include <cstdint>
#include <filesystem>
#include <vector>

#include "core/outcome.h"
#include "presets/presetitem.h"

namespace host {

class PresetItemFile {
 public:
  static Outcome<PresetItemHeader> ReadHeader(const std::filesystem::path& file);
  static Outcome<PresetItem> Read(const std::filesystem::path& file, bool with_thumbnail);
  // The file as it is, unchecked.
  static Outcome<std::vector<uint8_t>> Bytes(const std::filesystem::path& file);
};

}  // namespace host
