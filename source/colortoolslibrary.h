#pragma once
// The colour tools library (1036596): the module's colour conversions for
// other modules, as C entries.
#include "gxa_api.h"

// Fills every entry.
void FillColorToolsTable(GxaColorToolsTable& table);
