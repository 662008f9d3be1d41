#pragma once
// Reading one item file: the header alone with one small read (listing), or
// all of it. Errors name the file.
#include <filesystem>

#include "core/outcome.h"
#include "presets/presetitem.h"

namespace host {

class PresetItemFile {
 public:
  static Outcome<PresetItemHeader> ReadHeader(const std::filesystem::path& file);
  static Outcome<PresetItem> Read(const std::filesystem::path& file, bool with_thumbnail);
};

}  // namespace host
