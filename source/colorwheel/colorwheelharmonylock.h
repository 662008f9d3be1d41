#pragma once
// Moves colours together: a change of the edited colour's hue turns every
// colour by the same amount. Not a harmony of its own: the wheel uses it
// while its lock is on, for a dragged line, and for a group of handles.
#include "colorwheel/colorwheelharmony.h"

class ColorWheelHarmonyLock : public ColorWheelHarmony
{
public:
  explicit ColorWheelHarmonyLock(const ColorWheel& owner);

  Result<void> Compute(const Vector& hsv, ColorList& list) override;
  // Turns the selected entries, or all with all set, by the hue between the
  // dragged entry and the mouse; radii stay.
  Result<void> MoveHandle(std::size_t index, const Vector& point, bool all, ColorList& list) override;

  // Once round the wheel at most: 0.95 + 0.1 is 0.05.
  static double WrapHue(double hue);
};
