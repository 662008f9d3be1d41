#pragma once
// What the host knows of a registered plug-in; GxaPluginRecord handles point
// at one of these.
#include <cstdint>
#include <string>

namespace host {

struct PluginRecord {
  enum class Kind { kCustomGui, kResourceType, kPresetType };
  Kind kind = Kind::kCustomGui;
  int32_t id = 0;
  int32_t info_flags = 0;
  std::string name;
};

}  // namespace host
