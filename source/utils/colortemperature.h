#pragma once
// Colour temperature with tint to a linear RGB colour (sRGB primaries, D65),
// through Robertson's isotemperature lines. The result's largest component
// is 1; no transfer curve is applied.
#include "vector.h"

// Temperature below 0 K reads as 0 K (0 mired); tint is clamped to [-1, 1].
Vector KelvinToColor(double kelvin, double tint);
// The same without the input clamps: the Kelvin panel and slider extrapolate.
Vector KelvinToColorUnclamped(double kelvin, double tint);
