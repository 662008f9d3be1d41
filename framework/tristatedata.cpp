#include "tristatedata.h"

#include "hostaccess.h"

TriStateData TriStateData::FromHost(const GxaTriState* state)
{
  TriStateData copy;
  if (!state)
    return copy;
  copy.value = GeData::CopyOf(state->value);
  copy.mixed = state->tristate == 1;
  return copy;
}

void TriStateData::ToHost(GxaTriState* out) const
{
  if (!out)
    return;
  const GxaDataFns* fns = HostData();
  if (out->value && value.IsValid() && GXA_HAS(fns, copy))
    fns->copy(out->value, value.Get());
  out->tristate = mixed ? 1 : 0;
}
