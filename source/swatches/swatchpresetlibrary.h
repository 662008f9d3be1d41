#pragma once
// The preset entries (4 to 10) of the swatch data library.
#include "gxa_api.h"

void FillSwatchPresetEntries(GxaSwatchDataTable& table);
