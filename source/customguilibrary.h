#pragma once
// The custom GUI library (1000492): C entries that call the chooser's custom
// GUI operations. Each entry's first argument is the gadget object, the user
// pointer of its dialog (dialogs->user_of).
#include "gxa_api.h"

void FillCustomGuiTable(GxaCustomGuiTable& table);
