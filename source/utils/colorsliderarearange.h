#pragma once
// The value range of a gradient slider and the arithmetic of its input: where
// the handle goes after a wheel notch, a key or a drag. t is the handle's
// place along the bar, 0 to 1; values are in the display units the owner
// chose. The minimum may lie above the maximum and the step may be negative
// (the wheel panel's slider runs from 1 down to 0 in steps of -0.01).
#include <cstdint>
#include <optional>

class ColorSliderAreaRange
{
public:
  ColorSliderAreaRange() = default;
  ColorSliderAreaRange(double minimum, double maximum, double step);

  double GetMinimum() const { return _minimum; }
  double GetMaximum() const { return _maximum; }
  // maximum - minimum, negative for a reversed range.
  double GetRange() const { return _range; }
  double GetStep() const { return _step; }

  // minimum + range * t.
  double ValueAt(double t) const;
  // Where value lies along the bar, clamped to [0, 1]; 0 for an empty range.
  double PositionOf(double value) const;
  // value limited to the range, whichever way round it runs.
  double ClampValue(double value) const;

  // t after one wheel notch of signed size notches; t itself for no notch.
  // Alt (qualifier 4) moves ten steps.
  double WheelStep(double t, double notches, bool vertical, std::int32_t qualifier) const;
  // t after key (61824..61831); nothing for any other key. Any qualifier
  // moves ten steps.
  std::optional<double> KeyStep(double t, std::int32_t key, std::int32_t qualifier, bool vertical) const;
  // t snapped while dragging with mouse channel: to sixths of the range with
  // ctrl (qualifier 2), to ten steps with alt (4) or the middle button (3),
  // else to one step.
  double Snap(double t, std::int32_t qualifier, std::int32_t channel) const;

private:
  double _minimum = 0.0;
  double _maximum = 1.0;
  double _range = 1.0;
  double _invRange = 1.0;
  double _step = 0.01;
  double _invStep = 100.0;
};
