#pragma once
// The swatch data library (1036600): iColorSwatchData as C entries.
#include "gxa_api.h"
#include "swatches/icolorswatchdata.h"

void FillSwatchDataTable(GxaSwatchDataTable& table);

inline iColorSwatchData* FromHandle(GxaSwatchData* data)
{
  return reinterpret_cast<iColorSwatchData*>(data);
}
inline const iColorSwatchData* FromHandle(const GxaSwatchData* data)
{
  return reinterpret_cast<const iColorSwatchData*>(data);
}
