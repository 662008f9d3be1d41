#pragma once
// The part of `gxa-host info` that names what a script writes: the settings
// keys of a chooser's parameter, the world preferences it reads (with their
// values now), and how a gadget ID names its panel.
#include <cstdio>
#include <nlohmann/json.hpp>

#include "core/container.h"

namespace host::cli {

class KeyReport {
 public:
  // {"settings_keys": [...], "world_preferences": [...], "gadget_panels": {...}}
  static nlohmann::json Gather(const Container& prefs);
  static void PrintText(const nlohmann::json& report, std::FILE* out);

 private:
  static void PrintEntry(const nlohmann::json& entry, const std::string& name, std::FILE* out);
};

}  // namespace host::cli
