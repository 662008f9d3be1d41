#pragma once
// How a host is set up; the command line fills this.
#include <cstdint>
#include <filesystem>
#include <optional>

#include "core/registry.h"
#include "gxa_api.h"

namespace host {

struct HostOptions {
  // Preferences and data below this folder instead of the XDG folders.
  std::optional<std::filesystem::path> home;
  // The host's installation folder; default: the executable's folder.
  std::optional<std::filesystem::path> host_folder;
  int32_t application_type = Registry::kDefaultApplicationType;
  int32_t interface_version = GXA_API_VERSION;
  // Module diagnostic lines go to stderr too.
  bool debug = false;
  // False: defaults only, no preferences file read or written.
  bool persistent_preferences = true;
};

}  // namespace host
