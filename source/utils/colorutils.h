#pragma once
// Texts that describe a colour (the hexadecimal field text, the one-line RGB
// and HSV texts), the checkerboard greys behind transparent colours, and the
// host's colour-space transform.
#include <cstdint>
#include <functional>
#include <optional>
#include <string_view>

#include "gxastring.h"
#include "vector.h"

// World preferences read here.
constexpr std::int32_t kPrefColorUnit = 1102;
constexpr std::int32_t kPrefInterfaceTheme = 1134;

// Values of the colour-unit preference.
constexpr std::int32_t kColorUnitPercent = 0;
constexpr std::int32_t kColorUnit16Bit = 2;

constexpr double kTwoPi = 6.283185307179586;

// Six upper-case hexadecimal digits of the packed 8-bit colour, no prefix.
String ColorToHexText(const Vector& rgb);

// Strips one "0x"/"0X" or else one "#" prefix (a bare prefix becomes "0")
// and cuts the rest to its first six characters.
String CleanHexText(std::string_view text);
// True when the cleaned text is non-empty and all hexadecimal digits.
bool IsHexText(std::string_view cleaned);
// The colour of a typed text, read right-aligned ("FF" is blue); nothing for
// an invalid text.
std::optional<Vector> ParseHexColor(std::string_view text);

// Formats a number in a host unit (GXA_UNIT_*).
using NumberFormat = std::function<String(double value, std::int32_t unit)>;

// Components in the unit that the colour-unit preference names, joined with ", ".
String ColorToRgbText(const Vector& rgb, std::int32_t unitPreference, const NumberFormat& format);
// Hue in degrees, saturation and value in percent, joined with ", ".
String ColorToHsvText(const Vector& rgb, const NumberFormat& format);
// The same through the host's preferences and number formatter.
String ColorToRgbText(const Vector& rgb);
String ColorToHsvText(const Vector& rgb);

struct CheckerLevels
{
  Vector lighter;
  Vector darker;
};

// The two greys of the checkerboard for an interface theme.
CheckerLevels CheckerColors(std::int32_t theme);
// For the theme of the host's world preferences (0 without them).
CheckerLevels CheckerColors();

// The host's colour-space transform: code 2 from the host's linear space into
// the chooser's, code 1 back. The colour passes unchanged when the host
// cannot convert it.
Vector ConvertColorSpace(const Vector& rgb, std::int32_t code);
