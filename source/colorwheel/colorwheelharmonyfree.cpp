#include "colorwheel/colorwheelharmonyfree.h"

#include <algorithm>

#include "colorwheel/colorwheel.h"

ColorWheelHarmonyFree::ColorWheelHarmonyFree(const ColorWheel& owner)
    : ColorWheelHarmony(owner, kFree, true, {1033498, 1033621, 20035})
{}

Result<void> ColorWheelHarmonyFree::Compute(const Vector& hsv, ColorList& list)
{
  if (ColorListEntry* edited = list.GetSelectedEntry())
    edited->color = hsv;
  return Ok();
}

Result<void> ColorWheelHarmonyFree::MoveHandle(std::size_t index, const Vector& point, bool, ColorList& list)
{
  if (index >= list.GetCount())
    return Ok();
  Vector& color = list[index].color;
  const Vector at = Wheel().PointToHsv(point);
  const double fixed = Fixed(color);
  color = at;
  // A point of the perceptual wheel is a colour of the edited lightness.
  if (!Wheel().IsPerceptual())
    SetFixed(color, fixed);
  return Ok();
}

Result<void> ColorWheelHarmonyFree::PlaceAppended(ColorList& list, std::size_t oldCount) const
{
  oldCount = std::min(oldCount, list.GetCount());
  Vector strongest(0.0, 0.0, 0.0);
  BaseArray<double> angles;
  const bool radiusIsSaturation = Wheel().IsRadiusSaturation();
  for (std::size_t i = 0; i < oldCount; ++i)
  {
    ColorListEntry& entry = list[i];
    strongest.y = std::max(strongest.y, entry.color.y);
    strongest.z = std::max(strongest.z, entry.color.z);
    // Black (and grey on a saturation wheel) has no place on the rim.
    if (entry.color.z != 0.0 && (!radiusIsSaturation || entry.color.y != 0.0))
      RETURN_IF_ERROR(angles.Append(Wheel().GetScheme().HueToWheelAngle(entry.color.x)));
    entry.selected = false;
  }
  strongest.y = strongest.y > 0.0 ? strongest.y : 1.0;
  strongest.z = strongest.z > 0.0 ? strongest.z : 1.0;
  if (angles.GetCount() < 2)
    return PlaceAroundFew(list, oldCount, angles, strongest);
  return PlaceInGaps(list, oldCount, angles, strongest);
}

Result<void> ColorWheelHarmonyFree::PlaceAroundFew(ColorList& list, std::size_t oldCount,
                                                   const BaseArray<double>& angles, const Vector& strongest) const
{
  const bool hasAngle = !angles.IsEmpty();
  const double base = hasAngle ? angles[0] : 0.0;
  const std::size_t m = list.GetCount() - oldCount + (hasAngle ? 1 : 0);
  const double step = m < 2 ? kPi : kTurn / static_cast<double>(m);
  std::size_t i = hasAngle ? 1 : 0;
  for (std::size_t k = oldCount; k < list.GetCount(); ++k, ++i)
  {
    const double hue = Wheel().GetScheme().WheelAngleToHue(base, static_cast<double>(i) * step);
    list[k].color = Vector(AngleToHue(hue), strongest.y, strongest.z);
  }
  return Ok();
}

Result<void> ColorWheelHarmonyFree::PlaceInGaps(ColorList& list, std::size_t oldCount, BaseArray<double>& angles,
                                                const Vector& strongest) const
{
  for (std::size_t k = oldCount; k < list.GetCount(); ++k)
  {
    std::sort(angles.begin(), angles.end());
    const double wrapped = angles[0] + kTurn;
    double lower = angles[0], gap = -1.0;
    for (std::size_t i = 0; i < angles.GetCount(); ++i)
    {
      const double next = i + 1 < angles.GetCount() ? angles[i + 1] : wrapped;
      if (next - angles[i] > gap)
      {
        gap = next - angles[i];
        lower = angles[i];
      }
    }
    const double offset = gap > 0.0 ? gap / 2.0 : kPi;
    const double hue = Wheel().GetScheme().WheelAngleToHue(lower, offset);
    list[k].color = Vector(AngleToHue(hue), strongest.y, strongest.z);
    // The next colour looks for the widest space left beside this one.
    double angle = lower + offset;
    angle -= angle >= kTurn ? kTurn : 0.0;
    RETURN_IF_ERROR(angles.Append(angle));
  }
  return Ok();
}
