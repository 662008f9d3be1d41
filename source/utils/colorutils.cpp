#include "utils/colorutils.h"

#include "basecontainer.h"
#include "gxa_api.h"
#include "hostservices.h"
#include "utils/colorconversions.h"

namespace
{
bool IsHexDigit(char c)
{
  return (c >= '0' && c <= '9') || (c >= 'a' && c <= 'f') || (c >= 'A' && c <= 'F');
}

String JoinComponents(const String& a, const String& b, const String& c)
{
  return a + ", " + b + ", " + c;
}
}  // namespace

String ColorToHexText(const Vector& rgb)
{
  return String::Format("@{6Y'0'}", static_cast<std::uint64_t>(ColorToPacked(rgb)));
}

String CleanHexText(std::string_view text)
{
  const bool hexPrefix = text.size() >= 2 && text[0] == '0' && (text[1] == 'x' || text[1] == 'X');
  if (hexPrefix || text.starts_with('#'))
  {
    text.remove_prefix(hexPrefix ? 2 : 1);
    if (text.empty())
      return "0";
  }
  return String(text).Left(6);
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
  const String cleaned = CleanHexText(text);
  if (!IsHexText(cleaned))
    return std::nullopt;
  const Result<std::int64_t> packed = (String("0x") + cleaned).ToInt64();
  if (packed.IsError())
    return std::nullopt;
  return PackedToColor(static_cast<std::uint32_t>(packed.GetValue()));
}

String ColorToRgbText(const Vector& rgb, std::int32_t unitPreference, const NumberFormat& format)
{
  String parts[3];
  for (int i = 0; i < 3; ++i)
  {
    if (unitPreference == kColorUnitPercent)
      parts[i] = format(rgb[i], GXA_UNIT_PERCENT);
    else if (unitPreference == kColorUnit16Bit)
      parts[i] = String::FromInt(To16Bit(rgb[i]));
    else
      parts[i] = String::FromInt(To8Bit(rgb[i]));
  }
  return JoinComponents(parts[0], parts[1], parts[2]);
}

String ColorToHsvText(const Vector& rgb, const NumberFormat& format)
{
  const Vector hsv = RgbToHsv(rgb);
  return JoinComponents(format(hsv.x * kTwoPi, GXA_UNIT_DEGREE), format(hsv.y, GXA_UNIT_PERCENT),
                        format(hsv.z, GXA_UNIT_PERCENT));
}

String ColorToRgbText(const Vector& rgb)
{
  // Without preferences the host's default unit, 8-bit, applies.
  const std::int32_t unit = GetWorldPreferences().GetInt32(kPrefColorUnit, 1);
  return ColorToRgbText(rgb, unit, FormatNumber);
}

String ColorToHsvText(const Vector& rgb)
{
  return ColorToHsvText(rgb, FormatNumber);
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

CheckerLevels CheckerColors()
{
  return CheckerColors(GetWorldPreferences().GetInt32(kPrefInterfaceTheme, 0));
}

Vector ConvertColorSpace(const Vector& rgb, std::int32_t code)
{
  return TransformColor(rgb, code);
}
