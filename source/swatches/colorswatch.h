#pragma once
// One colour of a swatch group, laid out as the published GxaSwatchRecord so
// that the group library can hand a swatch out for editing in place.
#include <cstddef>

#include "gxa_api.h"

struct ColorSwatch
{
  double red = 0.0;
  double green = 0.0;
  double blue = 0.0;
  double alpha = 1.0;
  bool selected = false;

  bool SameColor(const ColorSwatch& other) const
  {
    return red == other.red && green == other.green && blue == other.blue && alpha == other.alpha;
  }
};

static_assert(sizeof(ColorSwatch) == sizeof(GxaSwatchRecord));
static_assert(offsetof(ColorSwatch, alpha) == offsetof(GxaSwatchRecord, alpha));
static_assert(offsetof(ColorSwatch, selected) == offsetof(GxaSwatchRecord, selected));

// A colour as the libraries exchange it: red, green, blue, alpha.
struct SwatchColor
{
  double red = 0.0;
  double green = 0.0;
  double blue = 0.0;
  double alpha = 1.0;
};
static_assert(sizeof(SwatchColor) == 4 * sizeof(double));
