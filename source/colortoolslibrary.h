#pragma once
// The colour tools library (1036596): the module's colour conversions for
// other modules, as C entries.
#include "gxa_api.h"

// Fills entries 0 to 10; the harmony entries 11 to 17 stay as they are.
void FillColorToolsTable(GxaColorToolsTable& table);
