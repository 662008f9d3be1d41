#include "color/numberformatter.h"

#include <charconv>
#include <cmath>
#include <numbers>

namespace host
{
namespace
{

constexpr double kDegreesPerRadian = 180.0 / std::numbers::pi;

double ToShown(double value, uint32_t unit)
{
  if (unit == NumberFormatter::kPercent)
    return value * 100.0;
  if (unit == NumberFormatter::kDegree)
    return value * kDegreesPerRadian;
  return value;
}

double FromShown(double shown, uint32_t unit)
{
  if (unit == NumberFormatter::kPercent)
    return shown / 100.0;
  if (unit == NumberFormatter::kDegree)
    return shown / kDegreesPerRadian;
  return shown;
}

std::string TrimZeros(std::string text)
{
  if (text.find('.') == std::string::npos)
    return text;
  while (text.back() == '0')
    text.pop_back();
  if (text.back() == '.')
    text.pop_back();
  return text;
}

std::string_view TrimSpaces(std::string_view text)
{
  while (!text.empty() && (text.front() == ' ' || text.front() == '\t'))
    text.remove_prefix(1);
  while (!text.empty() && (text.back() == ' ' || text.back() == '\t'))
    text.remove_suffix(1);
  return text;
}

}  // namespace

int NumberFormatter::DefaultDecimals(uint32_t unit)
{
  if (unit == kInteger)
    return 0;
  return unit == kPercent || unit == kDegree ? 1 : 3;
}

std::string_view NumberFormatter::Sign(uint32_t unit)
{
  if (unit == kPercent)
    return "%";
  return unit == kDegree ? "\xC2\xB0" : "";
}

std::string NumberFormatter::Format(double value, uint32_t unit)
{
  return Format(value, unit, DefaultDecimals(unit));
}

std::string NumberFormatter::Format(double value, uint32_t unit, int maxDecimals)
{
  const double shown = ToShown(value, unit);
  if (!std::isfinite(shown))
    return std::isnan(shown) ? "nan" : (shown < 0 ? "-inf" : "inf");

  char buffer[400];
  const int decimals = maxDecimals < 0 ? 0 : (maxDecimals > 17 ? 17 : maxDecimals);
  const auto result = std::to_chars(buffer, buffer + sizeof buffer, shown, std::chars_format::fixed, decimals);
  std::string text = TrimZeros(std::string(buffer, result.ptr));
  if (text == "-0")
    text = "0";
  return text + std::string(Sign(unit));
}

std::optional<double> NumberFormatter::Parse(std::string_view text, uint32_t unit)
{
  text = TrimSpaces(text);
  const std::string_view sign = Sign(unit);
  if (!sign.empty() && text.ends_with(sign))
    text = TrimSpaces(text.substr(0, text.size() - sign.size()));
  if (!text.empty() && text.front() == '+')
    text.remove_prefix(1);

  std::string number(text);
  if (const size_t comma = number.find(','); comma != std::string::npos)
  {
    if (number.find('.') != std::string::npos || number.find(',', comma + 1) != std::string::npos)
      return std::nullopt;
    number[comma] = '.';
  }

  double shown = 0.0;
  const char* end = number.data() + number.size();
  const auto result = std::from_chars(number.data(), end, shown, std::chars_format::fixed);
  if (number.empty() || result.ec != std::errc() || result.ptr != end || !std::isfinite(shown))
    return std::nullopt;
  return FromShown(shown, unit);
}

}  // namespace host
