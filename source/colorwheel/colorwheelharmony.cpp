#include "colorwheel/colorwheelharmony.h"

#include <algorithm>

#include "colorwheel/colorwheel.h"

ColorWheelHarmony::ColorWheelHarmony(const ColorWheel& owner, std::int32_t id, bool variableCount, Button button)
    : _owner(owner), _id(id), _variableCount(variableCount), _button(button)
{}

Result<void> ColorWheelHarmony::MoveHandle(std::size_t index, const Vector& point, bool, ColorList& list)
{
  if (index >= list.GetCount())
    return Ok();
  list[index].color = _owner.PointToHsv(point);
  const Vector moved = list[index].color;
  return Compute(moved, list);
}

double ColorWheelHarmony::Rotate(double angle, double offset) const
{
  return _owner.GetScheme().RotateHue(angle, offset);
}

double ColorWheelHarmony::AngleToHue(double angle)
{
  return std::clamp(angle / kTurn, 0.0, 1.0);
}

Result<void> ColorWheelHarmony::FillWith(const Vector& hsv, std::size_t count, ColorList& list)
{
  RETURN_IF_ERROR(list.SetCount(count));
  for (std::size_t i = 0; i < count; ++i)
    list[i].color = hsv;
  return Ok();
}

double ColorWheelHarmony::SetHueAt(ColorList& list, std::size_t i, double angle)
{
  list[i].color.x = AngleToHue(angle);
  return angle;
}

double ColorWheelHarmony::Radial(const Vector& hsv) const
{
  return _owner.IsRadiusSaturation() ? hsv.y : hsv.z;
}

void ColorWheelHarmony::SetRadial(Vector& hsv, double component) const
{
  (_owner.IsRadiusSaturation() ? hsv.y : hsv.z) = component;
}

double ColorWheelHarmony::Fixed(const Vector& hsv) const
{
  return _owner.IsRadiusSaturation() ? hsv.z : hsv.y;
}

void ColorWheelHarmony::SetFixed(Vector& hsv, double component) const
{
  (_owner.IsRadiusSaturation() ? hsv.z : hsv.y) = component;
}

std::size_t ColorWheelHarmony::Anchor(const ColorList& list)
{
  const std::int64_t selected = list.GetSelectedIndex();
  const auto count = static_cast<std::int64_t>(list.GetCount());
  if (selected < 1 || count == 0)
    return 0;
  return static_cast<std::size_t>(std::min(selected, count - 1));
}

void ColorWheelHarmony::ComputeChain(const Vector& hsv, double step, ColorList& list) const
{
  if (list.GetCount() == 0)
    return;
  const std::size_t anchor = Anchor(list);
  list[anchor].color = hsv;
  double angle = HueAngle(hsv);
  for (std::size_t i = anchor; i-- > 0;)
  {
    angle = Rotate(angle, -step);
    list[i].color = Vector(AngleToHue(angle), hsv.y, hsv.z);
  }
  angle = HueAngle(hsv);
  for (std::size_t i = anchor + 1; i < list.GetCount(); ++i)
  {
    angle = Rotate(angle, step);
    list[i].color = Vector(AngleToHue(angle), hsv.y, hsv.z);
  }
  KeepLightness(anchor, list);
}

void ColorWheelHarmony::KeepLightness(std::size_t anchor, ColorList& list) const
{
  if (!_owner.IsPerceptual() || anchor >= list.GetCount())
    return;
  const ColorWheelScheme& scheme = _owner.GetScheme();
  const Vector base = list[anchor].color;
  const double baseAngle = scheme.HueToWheelAngle(base.x);
  for (std::size_t i = 0; i < list.GetCount(); ++i)
  {
    if (i != anchor)
      list[i].color = ColorWheel::AtEqualLightness(base, scheme.HueToWheelAngle(list[i].color.x) - baseAngle);
  }
}

std::size_t ColorWheelHarmony::EditedEntry(const ColorList& list)
{
  const std::int64_t selected = list.GetSelectedIndex();
  return selected > 0 && selected < static_cast<std::int64_t>(list.GetCount()) ? static_cast<std::size_t>(selected) : 0;
}
