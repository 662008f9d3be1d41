#include "kelvin/colorinterfacekelvin.h"

#include <algorithm>
#include <cmath>
#include <limits>

#include "colormodes/panellayout.h"
#include "utils/chooserview.h"
#include "utils/colortemperature.h"

namespace
{
constexpr std::int32_t kLabelTemperature = 20025;
constexpr std::int32_t kLabelTint = 20026;

// Truncates toward zero, saturating at the 32-bit limits.
std::int32_t TruncateKelvin(double value)
{
  if (std::isnan(value))
    return 0;
  if (value >= static_cast<double>(std::numeric_limits<std::int32_t>::max()))
    return std::numeric_limits<std::int32_t>::max();
  if (value <= static_cast<double>(std::numeric_limits<std::int32_t>::min()))
    return std::numeric_limits<std::int32_t>::min();
  return static_cast<std::int32_t>(value);
}
}  // namespace

ColorInterfaceKelvin::ColorInterfaceKelvin()
{
  _tint.SetRange(-1.0, 1.0, 0.01);
  _tint.SetNormalizedMessages(false);
  _tint.SetResetOnRightClick(true);
  _tint.SetColorA(Vector(0.0, 1.0, 0.0), false);
  _tint.SetColorB(Vector(1.0, 0.0, 1.0), false);
}

Result<void> ColorInterfaceKelvin::CreateLayout(ChooserView& chooser)
{
  PanelLayout layout(chooser);
  layout.Separator()
      .Group(PanelLayout::kRowFlags, 3, 0, 4, 1)
      .Label(kLabelTemperature, 0)
      .NumberField(kFieldTemperature)
      .UserArea(kSliderTemperature, PanelLayout::kSliderFlags, _temperature, 0)
      .Label(kLabelTint, 0)
      .NumberField(kFieldTint)
      .UserArea(kSliderTint, PanelLayout::kSliderFlags, _tint, 0)
      .End();
  return layout.Finish();
}

void ColorInterfaceKelvin::Update(ChooserView& chooser)
{
  const BaseContainer& state = chooser.GetState();
  const std::int32_t kelvin = state.GetInt32(kStateTemperature, 0);
  const double tint = state.GetFloat(kStateTint, 0.0);
  const auto lowest = static_cast<std::int32_t>(ColorSliderAreaKelvin::kMinimumKelvin);
  const auto highest = static_cast<std::int32_t>(ColorSliderAreaKelvin::kMaximumKelvin);
  // Before the first edit the temperature reads 0: the field shows its lower limit.
  chooser.SetInt32(kFieldTemperature, std::clamp(kelvin, lowest, highest), lowest, highest, 1);
  chooser.SetFloat(kFieldTint, tint, -1.0, 1.0, 0.01, GXA_UNIT_PERCENT);
  _temperature.SetUnitValue(kelvin);
  _temperature.SetTint(tint);
  _tint.SetUnitValue(tint);
  _temperature.Redraw();
  _tint.Redraw();
}

bool ColorInterfaceKelvin::StoreEdit(std::int32_t id, const BaseContainer& msg, ChooserView& chooser) const
{
  BaseContainer& state = chooser.GetState();
  switch (id)
  {
    case kFieldTemperature:
    {
      std::int32_t kelvin = state.GetInt32(kStateTemperature, 0);
      chooser.GetInt32(kFieldTemperature, kelvin);
      state.SetInt32(kStateTemperature, kelvin);
      return true;
    }
    case kSliderTemperature:
      state.SetInt32(kStateTemperature, TruncateKelvin(msg.GetFloat(GXA_MSG_VALUE)));
      return true;
    case kFieldTint:
    {
      double tint = state.GetFloat(kStateTint, 0.0);
      chooser.GetFloat(kFieldTint, tint);
      state.SetFloat(kStateTint, tint);
      return true;
    }
    case kSliderTint: state.SetFloat(kStateTint, msg.GetFloat(GXA_MSG_VALUE)); return true;
    default: return false;
  }
}

Result<bool> ColorInterfaceKelvin::Command(std::int32_t id, const BaseContainer& msg, ChooserView& chooser)
{
  if (!StoreEdit(id, msg, chooser))
    return false;
  const BaseContainer& state = chooser.GetState();
  // Temperatures are physical, so the colour arrives in the host's space.
  chooser.SetColorFromHostSpace(
      KelvinToColorUnclamped(state.GetInt32(kStateTemperature, 0), state.GetFloat(kStateTint, 0.0)));
  chooser.SetLiveChange(msg.GetInt32(GXA_MSG_DRAG) != 0);
  Update(chooser);
  return true;
}
