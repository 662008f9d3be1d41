#pragma once
// Conversions between the chooser's colour forms: 8- and 16-bit components,
// RGB and HSV triples, and the packed 24-bit value. Pure functions.
#include <cstdint>

#include "vector.h"

// Multipliers from integer components to 0..1, computed once.
extern const double kInv255;
extern const double kInv65535;

// Rounds half a step up; negative input gives 0, input above 1 gives 255.
std::int64_t To8Bit(double component);
// n / 255 clamped to [0, 1].
double From8Bit(std::int64_t value);
void ColorTo8Bit(const Vector& rgb, std::int64_t& red, std::int64_t& green, std::int64_t& blue);
Vector ColorFrom8Bit(std::int64_t red, std::int64_t green, std::int64_t blue);

std::int32_t To16Bit(double component);
double From16Bit(std::int64_t value);
void ColorTo16Bit(const Vector& rgb, std::int32_t& red, std::int32_t& green, std::int32_t& blue);
Vector ColorFrom16Bit(std::int64_t red, std::int64_t green, std::int64_t blue);

// Hue is a fraction of a turn in [0, 1). A grey (saturation below 0.001)
// answers hue 0 and its smallest component as the value.
Vector RgbToHsv(const Vector& rgb);
// A hue of exactly 1.0 reads as 0; saturation below 0.001 gives a grey.
Vector HsvToRgb(const Vector& hsv);

// Red in bits 16..23, green 8..15, blue 0..7.
std::uint32_t ColorToPacked(const Vector& rgb);
Vector PackedToColor(std::uint32_t packed);
