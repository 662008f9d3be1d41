#pragma once
// The demo attribute editor: one colour parameter per context kind, as a
// material and a light would show them (plain colour, colour with alpha,
// light colour with brightness, compact colour field).
#include <vector>

#include "page/parameterspec.h"

namespace host {

class DemoPage {
 public:
  static std::vector<ParameterSpec> Parameters();
};

}  // namespace host
