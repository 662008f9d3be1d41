#pragma once
// The painter's wheel: red, yellow and blue a third of a turn apart, so that
// complements are those of mixing paint. RGB hues are placed on it by a
// table of 25 breakpoints, linear between them.
#include <array>

#include "colorwheel/colorwheelschememapped.h"

class ColorWheelSchemeRYB : public ColorWheelSchemeMapped
{
public:
  static constexpr int kBreakpoints = 25;

  std::int32_t GetSchemeId() const override { return kRyb; }

  // Hue angle to wheel angle and back; 0 for an angle outside 0..2 pi.
  static double Map(double hueAngle);
  static double Unmap(double wheelAngle);

protected:
  double MapAngle(double hueAngle) const override { return Map(hueAngle); }
  double UnmapAngle(double wheelAngle) const override { return Unmap(wheelAngle); }

private:
  struct Table
  {
    std::array<double, kBreakpoints> hue;
    std::array<double, kBreakpoints> wheel;
  };
  // Filled on first use, once per process.
  static const Table& GetTable();
  static double Interpolate(double angle, const std::array<double, kBreakpoints>& from,
                            const std::array<double, kBreakpoints>& to);
};
