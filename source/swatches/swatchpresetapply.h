#pragma once
// Bringing a preset's groups into swatch data: they arrive selected, so
// that the user sees at once what came in.
#include "basecontainer.h"
#include "result.h"
#include "swatches/icolorswatchdata.h"

// With merge every group already there is deselected; without it the
// document swatches are emptied first. The preset's groups go to the document.
Result<void> AddPresetGroups(iColorSwatchData& data, const BaseContainer& preset, bool merge);
// The preset browser's apply: fresh data of the active document and the
// preferences, the groups merged in, saved, and every chooser told.
Result<void> ApplySwatchPreset(const BaseContainer& preset);
