#include "core/hostpaths.h"

#include <cstdlib>

namespace host {

namespace fs = std::filesystem;

namespace {

constexpr const char* kAppDir = "gxa-host";

std::optional<fs::path> EnvPath(const char* name) {
  const char* v = std::getenv(name);
  // The XDG rules ignore relative paths.
  if (!v || !*v || v[0] != '/') return std::nullopt;
  return fs::path(v);
}

}  // namespace

Outcome<HostPaths> HostPaths::Resolve(const std::optional<fs::path>& home) {
  if (home) {
    fs::path base = fs::absolute(*home);
    return HostPaths(base / "config" / kAppDir, base / "data" / kAppDir);
  }
  auto user_home = EnvPath("HOME");
  auto config = EnvPath("XDG_CONFIG_HOME");
  auto data = EnvPath("XDG_DATA_HOME");
  if (!config && user_home) config = *user_home / ".config";
  if (!data && user_home) data = *user_home / ".local" / "share";
  if (!config || !data) {
    return Outcome<HostPaths>::Fail("cannot tell where to keep preferences: set HOME or use --home DIR");
  }
  return HostPaths(*config / kAppDir, *data / kAppDir);
}

}  // namespace host
