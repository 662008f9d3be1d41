#pragma once
// Colours from elsewhere (a strip, a drop) become a new swatch group: the
// group dialog asks for its name and collection, the data is read afresh,
// the group added selected, saved, and every chooser told.
#include <span>

#include "result.h"
#include "swatches/colorswatch.h"

// False when the user cancelled.
Result<bool> AddColorsAsNewGroup(std::span<const SwatchColor> colors);
