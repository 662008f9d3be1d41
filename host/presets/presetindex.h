#pragma once
// What listing a library learnt about its items, kept in one file at the
// library's top (".gxa-index") so that the next listing reads one file and
// asks the file system only each item's size, time and inode instead of
// opening every item. It is a cache: an item whose file no longer matches
// its entry is read again, and an index that is missing, damaged or of
// another version is simply rebuilt.
#include <cstdint>
#include <filesystem>
#include <map>
#include <span>
#include <string>
#include <vector>

#include "core/outcome.h"
#include "presets/presetitem.h"

namespace host {

struct PresetIndexEntry {
  uint64_t size = 0;
  int64_t mtime_ns = 0;
  uint64_t inode = 0;
  PresetItemHeader header;
  bool operator==(const PresetIndexEntry&) const = default;
};

class PresetIndex {
 public:
  static constexpr const char* kFileName = ".gxa-index";
  // By the item file's path relative to the library folder, '/' between parts.
  using Entries = std::map<std::string, PresetIndexEntry>;

  static std::vector<uint8_t> Write(const Entries& entries);
  static Outcome<Entries> Read(std::span<const uint8_t> bytes);

  // The index of a library folder; empty when there is none or it cannot be used.
  static Entries Load(const std::filesystem::path& library);
  // Atomically; a library that cannot be written to keeps no index.
  static void Save(const std::filesystem::path& library, const Entries& entries);
};

}  // namespace host
