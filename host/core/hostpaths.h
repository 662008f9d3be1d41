#pragma once
// Where the host keeps its files: preferences under the configuration folder,
// presets and other data under the data folder. --home DIR puts both below
// DIR (DIR/config/gxa-host, DIR/data/gxa-host); otherwise the XDG folders.
#include <filesystem>
#include <optional>

#include "core/outcome.h"

namespace host {

class HostPaths {
 public:
  // Fails when neither --home nor $HOME/$XDG_* say where to go.
  static Outcome<HostPaths> Resolve(const std::optional<std::filesystem::path>& home);

  const std::filesystem::path& ConfigDir() const { return config_; }
  const std::filesystem::path& DataDir() const { return data_; }
  std::filesystem::path PreferencesFile() const { return config_ / "prefs.gxs"; }

 private:
  HostPaths(std::filesystem::path config, std::filesystem::path data)
      : config_(std::move(config)), data_(std::move(data)) {}

  std::filesystem::path config_;
  std::filesystem::path data_;
};

}  // namespace host
