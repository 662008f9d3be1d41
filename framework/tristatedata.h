#pragma once
// A value as a custom GUI exchanges it with the host: one value, and whether
// the edited objects hold several different ones (the mixed state).
#include "gedata.h"
#include "gxa_api.h"

struct TriStateData
{
  GeData value;
  bool mixed = false;

  // A copy of the host's tri-state.
  static TriStateData FromHost(const GxaTriState* state);
  // Writes value into the host-owned out->value and sets the mixed flag.
  void ToHost(GxaTriState* out) const;
};
