#include "colorwheel/colorwheelharmonylock.h"

#include "colorwheel/colorwheel.h"

ColorWheelHarmonyLock::ColorWheelHarmonyLock(const ColorWheel& owner)
    : ColorWheelHarmony(owner, kLock, false, {1033619, 1033620, 20042})
{}

double ColorWheelHarmonyLock::WrapHue(double hue)
{
  if (hue > 1.0)
    return hue - 1.0;
  if (hue < 0.0)
    return hue + 1.0;
  return hue;
}

Result<void> ColorWheelHarmonyLock::Compute(const Vector& hsv, ColorList& list)
{
  ColorListEntry* edited = list.GetSelectedEntry();
  const double turn = hsv.x - (edited ? edited->color.x : 0.0);
  for (ColorListEntry& entry : list.Entries())
  {
    entry.color.x = WrapHue(entry.color.x + turn);
    SetFixed(entry.color, Fixed(hsv));
  }
  if (edited)
    edited->color = hsv;
  return Ok();
}

Result<void> ColorWheelHarmonyLock::MoveHandle(std::size_t index, const Vector& point, bool all, ColorList& list)
{
  if (index >= list.GetCount())
    return Ok();
  const double turn = Wheel().PointToHsv(point).x - list[index].color.x;
  for (ColorListEntry& entry : list.Entries())
    if (all || entry.selected)
      entry.color.x = WrapHue(entry.color.x + turn);
  return Ok();
}
