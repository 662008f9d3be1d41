#pragma once
// Where gxa-host finds the module when --module does not say: beside the
// program as a build leaves it (module/), or as an installation lays it out
// (../lib/gxa-host/), else where this build put it.
#include <string>

namespace host::cli {

class ModuleLocation {
 public:
  static std::string Default();
};

}  // namespace host::cli
