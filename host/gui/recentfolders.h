#pragma once
// The folders the host's file dialog last chose files in, kept in the world
// preferences (newest first, at most kMax) and saved with them at once.
#include <string>
#include <vector>

#include "core/container.h"

namespace host {

class RecentFolders {
 public:
  static constexpr size_t kMax = 8;

  static std::vector<std::string> Read(const Container& prefs);
  // Puts folder first; false when nothing changed.
  static bool Remember(Container& prefs, const std::string& folder);
  // Those of the running host's preferences.
  static std::vector<std::string> InHost();
  // Remember in the running host's preferences, saved atomically; the
  // reason when they were not saved, else empty.
  static std::string RememberInHost(const std::string& folder);
};

}  // namespace host
