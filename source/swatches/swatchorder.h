#pragma once
// The order in which sorting leaves a group's swatches: fully transparent
// swatches first, then by hue, saturation, and value from light to dark.
#include "swatches/colorswatch.h"

// A strict weak order even for values outside 0..1 and NaN, so that sorting
// user data can never run past the array.
bool SwatchComesBefore(const ColorSwatch& a, const ColorSwatch& b);
