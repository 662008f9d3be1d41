#include "colorwheel/colorwheelschemeryb.h"

#include <algorithm>
#include <cmath>

namespace
{
// RGB hue in degrees at wheel positions 0, 15, ..., 360 degrees; the last
// one closes the circle at red again.
constexpr double kHueDegrees[ColorWheelSchemeRYB::kBreakpoints] = {
    0, 8, 17, 26, 34, 41, 48, 54, 60, 81, 103, 123, 138, 155, 171, 187, 204, 219, 234, 251, 267, 282, 298, 329, 0};
constexpr double kWheelStepDegrees = 15.0;
}  // namespace

const ColorWheelSchemeRYB::Table& ColorWheelSchemeRYB::GetTable()
{
  static const Table table = [] {
    Table t{};
    const double toRadians = kPi / 180.0;
    for (int k = 0; k < kBreakpoints; ++k)
    {
      t.hue[k] = kHueDegrees[k] * toRadians;
      t.wheel[k] = kWheelStepDegrees * k * toRadians;
    }
    return t;
  }();
  return table;
}

double ColorWheelSchemeRYB::Interpolate(double angle, const std::array<double, kBreakpoints>& from,
                                        const std::array<double, kBreakpoints>& to)
{
  for (int k = 0; k + 1 < kBreakpoints; ++k)
  {
    const double start = from[k];
    // The segment that wraps past a full turn is closed by adding one.
    const double end = start > from[k + 1] ? from[k + 1] + kTurn : from[k + 1];
    if (angle < start || angle > end)
      continue;
    const double toStart = to[k];
    const double toEnd = toStart > to[k + 1] ? to[k + 1] + kTurn : to[k + 1];
    const double t = end > start ? (angle - start) / (end - start) : 0.0;
    return std::fmod(toStart + t * (toEnd - toStart), kTurn);
  }
  return 0.0;
}

double ColorWheelSchemeRYB::Map(double hueAngle)
{
  const Table& table = GetTable();
  return Interpolate(hueAngle, table.hue, table.wheel);
}

double ColorWheelSchemeRYB::Unmap(double wheelAngle)
{
  const Table& table = GetTable();
  return Interpolate(wheelAngle, table.wheel, table.hue);
}
