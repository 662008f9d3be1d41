#pragma once
// The tooltip that describes a colour: one line per property, each
// "<b>" label "</b>: " value, with the RGB text in the host's colour unit,
// the HSV text, and the alpha in percent when there is one.
#include <cstdint>

#include "gxastring.h"
#include "vector.h"

// Module strings of the line labels.
constexpr std::int32_t kTooltipLabelRgb = 20007;
constexpr std::int32_t kTooltipLabelHsv = 20008;
constexpr std::int32_t kTooltipLabelAlpha = 20101;

// "<b>" label "</b>: " value.
String ColorTooltipLine(const String& label, const String& value);
// The RGB and HSV lines of rgb.
String ColorTooltipText(const Vector& rgb);
// The same with an alpha line, "<b>" label "</b> " percent, as the colour
// field shows it.
String ColorTooltipText(const Vector& rgb, double alpha);
// A swatch's: its alpha line is a line like the others.
String SwatchTooltipText(const Vector& rgb, double alpha);
