#pragma once
// The world preferences the chooser reads, in the order and sections the
// Preferences window shows them.
#include <vector>

#include "prefs/preferenceitem.h"

namespace host {

class PreferenceCatalog {
 public:
  // The window's sections, top to bottom.
  static const std::vector<std::string>& Sections();
  static const std::vector<PreferenceItem>& Items();
  // Null for an ID the window does not show.
  static const PreferenceItem* Find(int32_t id);
};

}  // namespace host
