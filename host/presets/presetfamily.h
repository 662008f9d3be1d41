#pragma once
// The preset browser as modules see it (GxaPresetFns, also published by the
// host as library 1017645): items of the on-disk preset library by URL and
// the registration of preset types. Install once per host.
#include <string>

#include "core/outcome.h"

namespace host {

class Host;

class PresetFamily {
 public:
  static void Install(Host& host);
  // Applies the preset at url through its registered type (for swatches: into
  // the active document and the preferences). The caller saves them after.
  static Outcome<Done> Apply(Host& host, const std::string& url);
};

}  // namespace host
