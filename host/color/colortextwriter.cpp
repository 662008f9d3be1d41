#include "color/colortextwriter.h"

#include <algorithm>
#include <charconv>
#include <cmath>

namespace host
{

namespace
{

double Clamp01(double v)
{
  return std::isnan(v) ? 0.0 : std::clamp(v, 0.0, 1.0);
}

// Rounded as the chooser's hex field rounds, so that both read alike.
int Byte(double v)
{
  return static_cast<int>(Clamp01(v) * 255.0 + 0.5);
}

// At most `decimals` places, trailing zeros dropped; never "-0". The C
// library's formatting would follow the locale's decimal mark.
std::string Decimal(double v, int decimals)
{
  char buf[64];
  const auto [end, ec] = std::to_chars(buf, buf + sizeof buf, v, std::chars_format::fixed, decimals);
  std::string s(buf, ec == std::errc() ? end : buf);
  if (s.find('.') != std::string::npos)
  {
    while (s.back() == '0')
      s.pop_back();
    if (s.back() == '.')
      s.pop_back();
  }
  return s == "-0" || s.empty() ? "0" : s;
}

std::string HexByte(int v)
{
  static const char kDigits[] = "0123456789ABCDEF";
  return {kDigits[(v >> 4) & 0xF], kDigits[v & 0xF]};
}

std::string Hex(const std::array<double, 3>& rgb, std::optional<double> alpha)
{
  std::string s = "#" + HexByte(Byte(rgb[0])) + HexByte(Byte(rgb[1])) + HexByte(Byte(rgb[2]));
  return alpha ? s + HexByte(Byte(*alpha)) : s;
}

std::string Rgb(const std::array<double, 3>& rgb, std::optional<double> alpha)
{
  const std::string channels =
      std::to_string(Byte(rgb[0])) + ", " + std::to_string(Byte(rgb[1])) + ", " + std::to_string(Byte(rgb[2]));
  return alpha ? "rgba(" + channels + ", " + Decimal(*alpha, 3) + ")" : "rgb(" + channels + ")";
}

std::string Hsl(const std::array<double, 3>& rgb, std::optional<double> alpha)
{
  const double r = Clamp01(rgb[0]), g = Clamp01(rgb[1]), b = Clamp01(rgb[2]);
  const double hi = std::max({r, g, b}), lo = std::min({r, g, b});
  const double l = (hi + lo) / 2.0;
  const double d = hi - lo;
  double h = 0.0, s = 0.0;
  if (d > 0.0)
  {
    s = l > 0.5 ? d / (2.0 - hi - lo) : d / (hi + lo);
    if (hi == r)
      h = std::fmod((g - b) / d + 6.0, 6.0);
    else if (hi == g)
      h = (b - r) / d + 2.0;
    else
      h = (r - g) / d + 4.0;
    h *= 60.0;
  }
  // Two decimals keep a round trip within the 8 bits of a hex colour.
  const std::string parts =
      Decimal(h >= 359.995 ? 0.0 : h, 2) + ", " + Decimal(s * 100.0, 2) + "%, " + Decimal(l * 100.0, 2) + "%";
  return alpha ? "hsla(" + parts + ", " + Decimal(*alpha, 3) + ")" : "hsl(" + parts + ")";
}

std::string Numbers(const std::array<double, 3>& rgb, std::optional<double> alpha)
{
  std::string s = Decimal(Clamp01(rgb[0]), 6) + ", " + Decimal(Clamp01(rgb[1]), 6) + ", " + Decimal(Clamp01(rgb[2]), 6);
  return alpha ? s + ", " + Decimal(*alpha, 6) : s;
}

}  // namespace

std::string ColorTextWriter::Write(const std::array<double, 3>& rgb, std::optional<double> alpha, int32_t format)
{
  if (alpha)
    alpha = Clamp01(*alpha);
  if (alpha && *alpha >= 1.0)
    alpha.reset();
  switch (format)
  {
    case kRgb: return Rgb(rgb, alpha);
    case kHsl: return Hsl(rgb, alpha);
    case kNumbers: return Numbers(rgb, alpha);
    default: return Hex(rgb, alpha);
  }
}

}  // namespace host
