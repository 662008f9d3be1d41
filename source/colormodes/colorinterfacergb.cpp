#include "colormodes/colorinterfacergb.h"

#include "colormodes/panellayout.h"
#include "hostservices.h"
#include "utils/chooserview.h"
#include "utils/colorunit.h"

namespace
{
constexpr std::int32_t kLabels[3] = {20015, 20016, 20017};
constexpr std::int32_t kFields[3] = {ColorInterfaceRGB::kFieldRed, ColorInterfaceRGB::kFieldGreen,
                                     ColorInterfaceRGB::kFieldBlue};
constexpr std::int32_t kSliders[3] = {ColorInterfaceRGB::kSliderRed, ColorInterfaceRGB::kSliderGreen,
                                      ColorInterfaceRGB::kSliderBlue};

// The component a gadget ID stands for, -1 for none.
int ComponentOf(std::int32_t id, const std::int32_t (&ids)[3])
{
  for (int i = 0; i < 3; ++i)
  {
    if (ids[i] == id)
      return i;
  }
  return -1;
}

Vector WithComponent(Vector color, int component, double value)
{
  color[component] = value;
  return color;
}
}  // namespace

ColorInterfaceRGB::ColorInterfaceRGB(const ColorUnit* unit)
{
  BaseContainer settings;
  settings.SetBool(ColorSliderArea::kConfigNormalized, true);
  settings.SetBool(ColorSliderArea::kConfigVertical, false);
  settings.SetBool(ColorSliderArea::kConfigReset, false);
  for (ColorSliderAreaBlend& slider : _sliders)
    slider.Configure(settings);
  if (unit)
    SetUnit(*unit);
}

void ColorInterfaceRGB::SetUnit(const ColorUnit& unit)
{
  for (ColorSliderAreaBlend& slider : _sliders)
    slider.SetRange(0.0, unit.GetMaximum(), unit.GetStep());
}

Result<void> ColorInterfaceRGB::CreateLayout(ChooserView& chooser)
{
  PanelLayout layout(chooser);
  layout.Separator().Group(PanelLayout::kRowFlags, 3, 0, 4, 1);
  for (int i = 0; i < 3; ++i)
    layout.SliderRow(kLabels[i], kFields[i], kSliders[i], _sliders[i]);
  return layout.End().Finish();
}

void ColorInterfaceRGB::Update(ChooserView& chooser)
{
  const Vector& color = chooser.GetColor();
  if (const ColorUnit* unit = chooser.GetColorUnit())
  {
    // A unit chosen since the last update brings its own steps.
    const ColorSliderAreaRange& range = _sliders[0].GetRange();
    if (range.GetMaximum() != unit->GetMaximum() || range.GetStep() != unit->GetStep())
      SetUnit(*unit);
    for (int i = 0; i < 3; ++i)
      unit->SetDialogValue(kFields[i], color[i], chooser, chooser.IsAmbiguous());
  }
  _pureGradients = GetWorldPreferences().GetBool(kPrefPureGradients);
  const bool linear = chooser.IsLinearActive();
  for (int i = 0; i < 3; ++i)
  {
    const Vector from = _pureGradients ? Vector() : WithComponent(color, i, 0.0);
    const Vector to = WithComponent(_pureGradients ? Vector() : color, i, 1.0);
    _sliders[i].SetEndColors(color[i], from, linear, to, linear);
  }
}

Result<bool> ColorInterfaceRGB::Command(std::int32_t id, const BaseContainer& msg, ChooserView& chooser)
{
  chooser.SetLiveChange(msg.GetInt32(GXA_MSG_DRAG) != 0);
  Vector color = chooser.GetColor();
  if (const int field = ComponentOf(id, kFields); field >= 0)
  {
    if (const ColorUnit* unit = chooser.GetColorUnit())
    {
      if (const auto value = unit->GetDialogValue(id, chooser))
        color[field] = *value;
    }
  }
  else if (const int slider = ComponentOf(id, kSliders); slider >= 0)
  {
    color[slider] = msg.GetFloat(GXA_MSG_VALUE);
  }
  else
  {
    return false;
  }
  chooser.SetColor(color);
  return true;
}
