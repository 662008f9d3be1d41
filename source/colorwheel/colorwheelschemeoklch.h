#pragma once
// The perceptual wheel: an RGB hue sits where the OKLCh hue of its fullest
// colour lies, turned so that red stays at the top. Offsets apply to that
// angle, so a harmony's angles are angles of OKLCh hue. RGB hues are placed
// by a table, linear between its samples.
#include <array>

#include "colorwheel/colorwheelschememapped.h"

class ColorWheelSchemeOklch : public ColorWheelSchemeMapped
{
public:
  std::int32_t GetSchemeId() const override { return kOklch; }

protected:
  // Both 0..2 pi.
  double MapAngle(double hueAngle) const override;
  double UnmapAngle(double wheelAngle) const override;

private:
  static constexpr int kSamples = 720;
  // Wheel angles of the hue angles 2 pi k / kSamples, rising to 2 pi;
  // filled on first use, once per process.
  static const std::array<double, kSamples + 1>& GetTable();
};
