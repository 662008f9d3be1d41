#pragma once
// The colour family of the host table: the colour-space transform, the
// standard and paint-texture profiles, display conversions and the number
// formatter. A GxaColorProfile handle is a `const host::ColorProfile*`; a
// GxaColorConversion handle is a `host::DisplayConversion*` owned by the caller.
#include <memory>

#include "color/colorprofile.h"
#include "gxa_api.h"

namespace host
{

const GxaColorFns* ColorFamily();

// The profile of the current paint texture; null (the default) for none.
void SetPaintTextureProfile(std::shared_ptr<const ColorProfile> profile);
const ColorProfile* CurrentPaintTextureProfile();

inline const GxaColorProfile* ToHandle(const ColorProfile* p)
{
  return reinterpret_cast<const GxaColorProfile*>(p);
}
inline const ColorProfile* FromHandle(const GxaColorProfile* p)
{
  return reinterpret_cast<const ColorProfile*>(p);
}

}  // namespace host
