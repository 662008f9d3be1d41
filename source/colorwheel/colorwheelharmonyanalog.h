#pragma once
// Neighbours of the main colour at even steps: 30 degrees and at most 12
// colours, or 15 degrees and at most 24.
#include "colorwheel/colorwheelharmony.h"

class ColorWheelHarmonyAnalog : public ColorWheelHarmony
{
public:
  explicit ColorWheelHarmonyAnalog(const ColorWheel& owner);

  Result<void> Compute(const Vector& hsv, ColorList& list) override;

  // 0: 30 degrees, 1: 15 degrees.
  void SetAnalogMode(std::int32_t mode);
  std::int32_t GetAnalogMode() const { return _mode; }
  std::int64_t GetMaxCount() const { return _maxCount; }

private:
  double _step = kPi / 6.0;
  std::int32_t _mode = 0;
  std::int64_t _maxCount = 12;
};
