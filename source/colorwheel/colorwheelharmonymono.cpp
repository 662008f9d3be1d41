#include "colorwheel/colorwheelharmonymono.h"

#include <algorithm>

#include "colorwheel/colorwheel.h"

ColorWheelHarmonyMono::ColorWheelHarmonyMono(const ColorWheel& owner)
    : ColorWheelHarmony(owner, kMono, true, {1033499, 1033622, 20036})
{}

Result<void> ColorWheelHarmonyMono::FitFactors(std::size_t count)
{
  if (_factors.GetCount() > count)
    RETURN_IF_ERROR(_factors.Resize(count));
  BaseArray<double> sorted;
  while (_factors.GetCount() < count)
  {
    RETURN_IF_ERROR(sorted.CopyFrom(_factors));
    RETURN_IF_ERROR(sorted.Append(0.0));
    RETURN_IF_ERROR(sorted.Append(1.0));
    std::sort(sorted.begin(), sorted.end());
    double lower = 0.0, gap = -1.0;
    for (std::size_t i = 0; i + 1 < sorted.GetCount(); ++i)
    {
      if (sorted[i + 1] - sorted[i] > gap)
      {
        gap = sorted[i + 1] - sorted[i];
        lower = sorted[i];
      }
    }
    RETURN_IF_ERROR(_factors.Append(lower + gap / 2.0));
  }
  return Ok();
}

void ColorWheelHarmonyMono::TakeEdit(const Vector& hsv, ColorList& list)
{
  const std::int64_t selected = list.GetSelectedIndex();
  const auto n = static_cast<std::int64_t>(list.GetCount());
  if (selected < 1 || selected >= n)
  {
    list[0].color = hsv;
    return;
  }
  Vector& edited = list[static_cast<std::size_t>(selected)].color;
  if (edited == hsv)
    return;
  Vector& main = list[0].color;
  main.x = hsv.x;
  if (Radial(hsv) != Radial(edited) && Radial(main) != 0.0)
    _factors[static_cast<std::size_t>(selected - 1)] = Radial(hsv) / Radial(main);
  edited = hsv;
}

Result<void> ColorWheelHarmonyMono::Compute(const Vector& hsv, ColorList& list)
{
  const std::size_t n = list.GetCount();
  if (n == 0)
    return Ok();
  RETURN_IF_ERROR(FitFactors(n - 1));
  list[0].color = list[0].color.Clamp01();
  TakeEdit(hsv, list);
  const Vector& main = list[0].color;
  const double mainRadial = Radial(main);
  for (std::size_t k = 1; k < n; ++k)
  {
    Vector& color = list[k].color;
    color.x = main.x;
    double radial = std::max(_factors[k - 1] * mainRadial, 0.0);
    if (radial > 1.0)
    {
      // Past the rim: the colour sits on it and its factor says so.
      radial = 1.0;
      _factors[k - 1] = 1.0 / mainRadial;
    }
    SetRadial(color, radial);
  }
  return Ok();
}

Result<void> ColorWheelHarmonyMono::MoveHandle(std::size_t index, const Vector& point, bool all, ColorList& list)
{
  if (index == 0 || index >= list.GetCount())
    return ColorWheelHarmony::MoveHandle(index, point, all, list);
  RETURN_IF_ERROR(FitFactors(list.GetCount() - 1));
  const Vector main = list[0].color;
  const Vector centre = Wheel().GetCentre();
  Vector rimColor = main;
  SetRadial(rimColor, 1.0);
  const Vector rim = Wheel().HsvToPoint(rimColor.x, rimColor.y, rimColor.z);
  const double px = point.x - centre.x, py = point.y - centre.y;
  const double length2 = px * px + py * py;
  Vector projected = point;
  if (length2 > 0.0)
  {
    const double t = std::clamp((px * (rim.x - centre.x) + py * (rim.y - centre.y)) / length2, 0.0, 1.0);
    projected = Vector(centre.x + t * px, centre.y + t * py, 0.0);
  }
  const double mainRadial = Radial(main);
  const double radial = Radial(Wheel().PointToHsv(projected));
  _factors[index - 1] = mainRadial != 0.0 ? radial / mainRadial : 1.0;
  const std::int64_t selected = list.GetSelectedIndex();
  list.SetSelectedIndex(0);
  const Result<void> computed = Compute(main, list);
  list.SetSelectedIndex(selected);
  return computed;
}

Result<void> ColorWheelHarmonyMono::SpreadEvenly(std::size_t count)
{
  if (count < 2)
    return Ok();
  RETURN_IF_ERROR(_factors.Resize(count - 1));
  for (std::size_t k = 1; k < count; ++k)
    _factors[k - 1] = 1.0 - static_cast<double>(k) / static_cast<double>(count - 1);
  return Ok();
}

void ColorWheelHarmonyMono::EraseFactor(std::size_t index)
{
  if (index >= 1)
    (void)_factors.Erase(index - 1);
}

void ColorWheelHarmonyMono::Store(BaseContainer& state, std::int32_t id) const
{
  BaseContainer factors;
  for (std::size_t i = 0; i < _factors.GetCount(); ++i)
    factors.SetFloat(static_cast<std::int32_t>(i), _factors[i]);
  state.SetContainer(id, factors);
}

Result<void> ColorWheelHarmonyMono::Load(const BaseContainer& state, std::int32_t id)
{
  const BaseContainer factors = state.GetContainer(id);
  _factors.Flush();
  for (std::int32_t i = 0; factors.Contains(i); ++i)
    RETURN_IF_ERROR(_factors.Append(factors.GetFloat(i)));
  return Ok();
}
