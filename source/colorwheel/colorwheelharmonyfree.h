#pragma once
// No rule: each colour goes where the user puts it. Dragging a handle keeps
// its own fixed component, so the slider's setting survives the move.
#include "colorwheel/colorwheelharmony.h"

class ColorWheelHarmonyFree : public ColorWheelHarmony
{
public:
  explicit ColorWheelHarmonyFree(const ColorWheel& owner);

  Result<void> Compute(const Vector& hsv, ColorList& list) override;
  Result<void> MoveHandle(std::size_t index, const Vector& point, bool all, ColorList& list) override;

  // Places the entries from oldCount to the end in the widest free spaces
  // of the wheel, as bright and saturated as the brightest and most
  // saturated old colour; the old entries are deselected.
  Result<void> PlaceAppended(ColorList& list, std::size_t oldCount) const;

private:
  Result<void> PlaceAroundFew(ColorList& list, std::size_t oldCount, const BaseArray<double>& angles,
                              const Vector& strongest) const;
  Result<void> PlaceInGaps(ColorList& list, std::size_t oldCount, BaseArray<double>& angles,
                           const Vector& strongest) const;
};
