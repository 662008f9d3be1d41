#include "colorwheel/colorwheelschemeoklch.h"

#include <algorithm>
#include <cmath>

#include "colorwheel/oklchplane.h"
#include "utils/colorconversions.h"

namespace
{
// OKLCh hue falls back by a hundredth of a degree in places along the RGB
// circle; the table keeps rising so that it can be inverted.
constexpr double kLeastRise = 1e-9;
}  // namespace

const std::array<double, ColorWheelSchemeOklch::kSamples + 1>& ColorWheelSchemeOklch::GetTable()
{
  static const std::array<double, kSamples + 1> table = [] {
    std::array<double, kSamples + 1> wheel{};
    for (int k = 1; k < kSamples; ++k)
    {
      const double angle = OklchPlane::PlaceOf(HsvToRgb(Vector(static_cast<double>(k) / kSamples, 1.0, 1.0))).x;
      wheel[static_cast<std::size_t>(k)] = std::max(angle, wheel[static_cast<std::size_t>(k) - 1] + kLeastRise);
    }
    wheel[kSamples] = kTurn;
    return wheel;
  }();
  return table;
}

double ColorWheelSchemeOklch::MapAngle(double hueAngle) const
{
  const std::array<double, kSamples + 1>& wheel = GetTable();
  const double at = std::clamp(hueAngle / kTurn, 0.0, 1.0) * kSamples;
  const int k = std::min(static_cast<int>(at), kSamples - 1);
  const double f = at - k;
  const auto i = static_cast<std::size_t>(k);
  return WrapAngle(wheel[i] + f * (wheel[i + 1] - wheel[i]));
}

double ColorWheelSchemeOklch::UnmapAngle(double wheelAngle) const
{
  const std::array<double, kSamples + 1>& wheel = GetTable();
  const double w = std::clamp(wheelAngle, 0.0, kTurn);
  const auto upper = std::upper_bound(wheel.begin(), wheel.end(), w);
  const auto k = static_cast<std::size_t>(std::clamp<std::ptrdiff_t>(upper - wheel.begin() - 1, 0, kSamples - 1));
  const double f = (w - wheel[k]) / (wheel[k + 1] - wheel[k]);
  return WrapAngle(kTurn * (static_cast<double>(k) + f) / kSamples);
}
