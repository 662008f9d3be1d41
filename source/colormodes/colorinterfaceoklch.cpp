#include "colormodes/colorinterfaceoklch.h"

#include <algorithm>

#include "colormodes/panellayout.h"
#include "moduleresource.h"
#include "utils/chooserview.h"
#include "utils/colorutils.h"

using colorscience::OkLab;
using colorscience::OkLchColor;
using colorscience::SrgbColor;
using Channel = ColorSliderAreaOklch::Channel;

namespace
{
constexpr std::int32_t kLabelLightness = 20131;
constexpr std::int32_t kLabelChroma = 20132;
constexpr std::int32_t kLabelHue = 20133;
constexpr std::int32_t kLabelA = 20134;
constexpr std::int32_t kLabelB = 20135;
constexpr std::int32_t kLabelSwitch = 20136;
constexpr std::int32_t kFields[3] = {ColorInterfaceOklch::kFieldLightness, ColorInterfaceOklch::kFieldSecond,
                                     ColorInterfaceOklch::kFieldThird};
constexpr std::int32_t kSliders[3] = {ColorInterfaceOklch::kSliderLightness, ColorInterfaceOklch::kSliderSecond,
                                      ColorInterfaceOklch::kSliderThird};
constexpr double kStep = 0.001;
constexpr double kDegree = kTwoPi / 360.0;
constexpr double kGreyChroma = 1e-7;

Channel ChannelOf(int row, bool lab)
{
  if (row == 0)
    return Channel::Lightness;
  if (row == 1)
    return lab ? Channel::A : Channel::Chroma;
  return lab ? Channel::B : Channel::Hue;
}
}  // namespace

Result<void> ColorInterfaceOklch::CreateLayout(ChooserView& chooser)
{
  PanelLayout layout(chooser);
  layout.Separator()
      .Group(PanelLayout::kRowFlags, 3, 0, 4, 1)
      .SliderRow(kLabelLightness, kFieldLightness, kSliderLightness, _sliders[0])
      .SliderRow(kLabelChroma, kFieldSecond, kSliderSecond, _sliders[1], kLabelSecond)
      .SliderRow(kLabelHue, kFieldThird, kSliderThird, _sliders[2], kLabelThird)
      .End()
      .Checkbox(kSwitchLab, kLabelSwitch);
  RETURN_IF_ERROR(layout.Finish());
  ShowForm(chooser, chooser.GetState().GetBool(kOptionLab, false));
  return Ok();
}

void ColorInterfaceOklch::ShowForm(ChooserView& chooser, bool lab)
{
  _lab = lab;
  for (int row = 0; row < 3; ++row)
    _sliders[static_cast<std::size_t>(row)].SetChannel(ChannelOf(row, lab));
  chooser.SetString(kLabelSecond, ModuleResource::LoadString(lab ? kLabelA : kLabelChroma));
  chooser.SetString(kLabelThird, ModuleResource::LoadString(lab ? kLabelB : kLabelHue));
  chooser.SetBool(kSwitchLab, lab);
}

OkLchColor ColorInterfaceOklch::CurrentLch(const ChooserView& chooser) const
{
  const Vector& rgb = chooser.GetColor();
  OkLchColor lch = OkLab::ToLch(OkLab::FromSrgb({rgb.x, rgb.y, rgb.z}));
  if (lch.c < kGreyChroma)
    lch.h = _hue;
  return lch;
}

void ColorInterfaceOklch::SetField(ChooserView& chooser, int row, double value, bool ambiguous) const
{
  switch (ChannelOf(row, _lab))
  {
    case Channel::Lightness: chooser.SetFloat(kFields[row], value, 0.0, 1.0, kStep, GXA_UNIT_REAL, ambiguous); break;
    case Channel::Chroma:
      chooser.SetFloat(kFields[row], value, 0.0, ColorSliderAreaOklch::kMaxChroma, kStep, GXA_UNIT_REAL, ambiguous);
      break;
    case Channel::Hue:
      chooser.SetFloat(kFields[row], value * kDegree, 0.0, kTwoPi, kDegree, GXA_UNIT_DEGREE, 0.0, kTwoPi, ambiguous);
      break;
    case Channel::A:
    case Channel::B:
      chooser.SetFloat(kFields[row], value, -ColorSliderAreaOklch::kMaxChroma, ColorSliderAreaOklch::kMaxChroma, kStep,
                       GXA_UNIT_REAL, ambiguous);
      break;
  }
}

void ColorInterfaceOklch::Update(ChooserView& chooser)
{
  const OkLchColor lch = CurrentLch(chooser);
  _hue = lch.h;
  const bool linear = chooser.IsLinearActive();
  for (int row = 0; row < 3; ++row)
  {
    ColorSliderAreaOklch& slider = _sliders[static_cast<std::size_t>(row)];
    SetField(chooser, row, ColorSliderAreaOklch::ValueOf(lch, slider.GetChannel()), chooser.IsAmbiguous());
    slider.SetColor(lch, linear);
  }
}

int ColorInterfaceOklch::RowOf(std::int32_t id)
{
  for (int row = 0; row < 3; ++row)
  {
    if (kFields[row] == id || kSliders[row] == id)
      return row;
  }
  return -1;
}

Result<bool> ColorInterfaceOklch::Command(std::int32_t id, const BaseContainer& msg, ChooserView& chooser)
{
  if (id == kSwitchLab)
  {
    bool lab = _lab;
    chooser.GetBool(kSwitchLab, lab);
    chooser.GetState().SetBool(kOptionLab, lab);
    ShowForm(chooser, lab);
    Update(chooser);
    return false;
  }
  const int row = RowOf(id);
  if (row < 0)
    return false;
  const Channel channel = ChannelOf(row, _lab);
  double value = 0.0;
  if (id == kFields[row])
  {
    value = ColorSliderAreaOklch::ValueOf(CurrentLch(chooser), channel) * (channel == Channel::Hue ? kDegree : 1.0);
    chooser.GetFloat(id, value);
    if (channel == Channel::Hue)
      value /= kDegree;
  }
  else
  {
    value = ColorSliderAreaOklch::ValueAt(channel, msg.GetFloat(GXA_MSG_VALUE));
  }
  OkLchColor lch = ColorSliderAreaOklch::With(CurrentLch(chooser), channel, value);
  lch.l = std::clamp(lch.l, 0.0, 1.0);
  _hue = lch.h;
  // Out of gamut comes back at the same lightness and hue, chroma cut.
  const SrgbColor srgb = OkLab::GamutMap(lch);
  chooser.SetLiveChange(msg.GetInt32(GXA_MSG_DRAG) != 0);
  chooser.SetColor(Vector(srgb.r, srgb.g, srgb.b).Clamp01());
  return true;
}
