#pragma once
// Keeps hue and saturation stable while the colour passes through greys: a
// grey keeps the stored hue, black keeps hue and saturation, and a hue that
// wraps between 0 and 1 keeps the stored one.
#include "vector.h"

Vector RetainHsv(const Vector& storedHsv, const Vector& rgb);
