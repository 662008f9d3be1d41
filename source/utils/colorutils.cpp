#include "utils/colorutils.h"

#include <cstdio>

#include "utils/colorconversions.h"

namespace
{
bool IsHexDigit(char c)
{
  return (c >= '0' && c <= '9') || (c >= 'a' && c <= 'f') || (c >= 'A' && c <= 'F');
}

int HexDigitValue(char c)
{
  if (c <= '9')
    return c - '0';
  return (c | 0x20) - 'a' + 10;
}

// Byte length of the first `count` UTF-8 characters, so a cut never splits one.
std::size_t Utf8Prefix(std::string_view text, std::size_t count)
{
  std::size_t pos = 0;
  for (std::size_t n = 0; n < count && pos < text.size(); ++n)
  {
    ++pos;
    while (pos < text.size() && (static_cast<unsigned char>(text[pos]) & 0xC0) == 0x80)
      ++pos;
  }
  return pos;
}

std::string JoinComponents(const std::string (&parts)[3])
{
  return parts[0] + ", " + parts[1] + ", " + parts[2];
}
}  // namespace

std::string ColorToHexText(const Vector& rgb)
{
  char text[8];
  std::snprintf(text, sizeof text, "%06X", static_cast<unsigned>(ColorToPacked(rgb)));
  return text;
}

std::string CleanHexText(std::string_view text)
{
  if (text.size() >= 2 && text[0] == '0' && (text[1] == 'x' || text[1] == 'X'))
    text.remove_prefix(2);
  else if (!text.empty() && text[0] == '#')
    text.remove_prefix(1);
  else
    return std::string(text.substr(0, Utf8Prefix(text, 6)));

  if (text.empty())
    return "0";
  return std::string(text.substr(0, Utf8Prefix(text, 6)));
}

bool IsHexText(std::string_view cleaned)
{
  if (cleaned.empty())
    return false;
  for (char c : cleaned)
  {
    if (!IsHexDigit(c))
      return false;
  }
  return true;
}

std::optional<Vector> ParseHexColor(std::string_view text)
{
  const std::string cleaned = CleanHexText(text);
  if (!IsHexText(cleaned))
    return std::nullopt;
  std::uint32_t packed = 0;
  for (char c : cleaned)
    packed = (packed << 4) | static_cast<std::uint32_t>(HexDigitValue(c));
  return PackedToColor(packed);
}

std::string ColorToRgbText(const Vector& rgb, std::int32_t unitPreference, const NumberFormat& format)
{
  std::string parts[3];
  for (int i = 0; i < 3; ++i)
  {
    if (unitPreference == kColorUnitPercent)
      parts[i] = format(rgb[i], kFormatPercent);
    else if (unitPreference == kColorUnit16Bit)
      parts[i] = std::to_string(To16Bit(rgb[i]));
    else
      parts[i] = std::to_string(To8Bit(rgb[i]));
  }
  return JoinComponents(parts);
}

std::string ColorToHsvText(const Vector& rgb, const NumberFormat& format)
{
  const Vector hsv = RgbToHsv(rgb);
  const std::string parts[3] = {format(hsv.x * kTwoPi, kFormatDegree), format(hsv.y, kFormatPercent),
                                format(hsv.z, kFormatPercent)};
  return JoinComponents(parts);
}

CheckerLevels CheckerColors(std::int32_t theme)
{
  switch (theme)
  {
    case 1: return {Vector(0.6), Vector(0.4)};
    case 2: return {Vector(0.2), Vector(0.4)};
    default: return {Vector(1.0), Vector(0.8)};
  }
}
