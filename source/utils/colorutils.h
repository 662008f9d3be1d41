#pragma once
// Texts that describe a colour: the hexadecimal field text, the one-line RGB
// and HSV texts, and the checkerboard greys behind transparent colours.
#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>

#include "vector.h"

// Number format units of the host's formatter.
constexpr std::uint32_t kFormatPercent = 0x66706374;  // 'fpct', value 0..1 shown as percent
constexpr std::uint32_t kFormatDegree = 0x66646772;   // 'fdgr', value in radians shown in degrees

// World preference 1102 values.
constexpr std::int32_t kColorUnitPercent = 0;
constexpr std::int32_t kColorUnit16Bit = 2;

constexpr double kTwoPi = 6.283185307179586;

// Six upper-case hexadecimal digits of the packed 8-bit colour, no prefix.
std::string ColorToHexText(const Vector& rgb);

// Strips one "0x"/"0X" or else one "#" prefix (a bare prefix becomes "0")
// and cuts the rest to its first six characters.
std::string CleanHexText(std::string_view text);
// True when the cleaned text is non-empty and all hexadecimal digits.
bool IsHexText(std::string_view cleaned);
// The colour of a typed text, read right-aligned ("FF" is blue); nothing for
// an invalid text.
std::optional<Vector> ParseHexColor(std::string_view text);

using NumberFormat = std::function<std::string(double value, std::uint32_t unit)>;

// Components in the unit that preference 1102 names, joined with ", ".
std::string ColorToRgbText(const Vector& rgb, std::int32_t unitPreference, const NumberFormat& format);
// Hue in degrees, saturation and value in percent, joined with ", ".
std::string ColorToHsvText(const Vector& rgb, const NumberFormat& format);

struct CheckerLevels
{
  Vector lighter;
  Vector darker;
};

// The two greys of the checkerboard for interface theme (preference 1134).
CheckerLevels CheckerColors(std::int32_t theme);
