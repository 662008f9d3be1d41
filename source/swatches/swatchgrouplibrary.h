#pragma once
// The swatch group library (1036601): the group operations as C entries.
#include "gxa_api.h"
#include "swatches/colorswatchgroup.h"

void FillSwatchGroupTable(GxaSwatchGroupTable& table);

// Module groups and their published handles are the same objects.
inline ColorSwatchGroup* FromHandle(GxaSwatchGroup* group)
{
  return reinterpret_cast<ColorSwatchGroup*>(group);
}
inline const ColorSwatchGroup* FromHandle(const GxaSwatchGroup* group)
{
  return reinterpret_cast<const ColorSwatchGroup*>(group);
}
inline GxaSwatchGroup* ToHandle(ColorSwatchGroup* group)
{
  return reinterpret_cast<GxaSwatchGroup*>(group);
}
