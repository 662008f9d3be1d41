#include "colormodes/colorinterfacehsv.h"

#include <algorithm>

#include "colormodes/panellayout.h"
#include "utils/chooserview.h"
#include "utils/colorconversions.h"
#include "utils/colorutils.h"

namespace
{
constexpr std::int32_t kLabelHue = 20022;
constexpr std::int32_t kLabelSaturation = 20023;
constexpr std::int32_t kLabelValue = 20024;
constexpr double kOneDegree = 0.017453292519943295;

double FieldValue(const ChooserView& chooser, std::int32_t id, double fallback)
{
  double value = fallback;
  return chooser.GetFloat(id, value) ? value : fallback;
}
}  // namespace

Result<void> ColorInterfaceHSV::CreateLayout(ChooserView& chooser)
{
  PanelLayout layout(chooser);
  layout.Separator()
      .Group(PanelLayout::kRowFlags, 3, 0, 4, 1)
      .SliderRow(kLabelHue, kFieldHue, kSliderHue, _hue)
      .SliderRow(kLabelSaturation, kFieldSaturation, kSliderSaturation, _saturation)
      .SliderRow(kLabelValue, kFieldValue, kSliderValue, _value)
      .End();
  return layout.Finish();
}

void ColorInterfaceHSV::Update(ChooserView& chooser)
{
  const Vector& hsv = chooser.GetHSV();
  const bool ambiguous = chooser.IsAmbiguous();
  const bool linear = chooser.IsLinearActive();
  chooser.SetFloat(kFieldHue, hsv.x * kTwoPi, 0.0, kTwoPi, kOneDegree, GXA_UNIT_DEGREE, 0.0, kTwoPi, ambiguous);
  _hue.SetPosition(hsv.x);
  chooser.SetFloat(kFieldSaturation, hsv.y, 0.0, 1.0, 0.01, GXA_UNIT_PERCENT, ambiguous);
  chooser.SetFloat(kFieldValue, hsv.z, 0.0, 1.0, 0.01, GXA_UNIT_PERCENT, ambiguous);
  _saturation.SetEndColors(hsv.y, HsvToRgb({hsv.x, 0.0, hsv.z}), linear, HsvToRgb({hsv.x, 1.0, hsv.z}), linear);
  _value.SetEndColors(hsv.z, HsvToRgb({hsv.x, hsv.y, 0.0}), linear, HsvToRgb({hsv.x, hsv.y, 1.0}), linear);
}

std::optional<Vector> ColorInterfaceHSV::EditedHsv(std::int32_t id, const BaseContainer& msg,
                                                   const ChooserView& chooser) const
{
  Vector hsv = chooser.GetHSV();
  switch (id)
  {
    case kFieldHue: hsv.x = std::clamp(FieldValue(chooser, id, hsv.x * kTwoPi) / kTwoPi, 0.0, 1.0); break;
    case kFieldSaturation: hsv.y = FieldValue(chooser, id, hsv.y); break;
    case kFieldValue: hsv.z = FieldValue(chooser, id, hsv.z); break;
    case kSliderHue: hsv.x = msg.GetFloat(GXA_MSG_VALUE); break;
    case kSliderSaturation: hsv.y = msg.GetFloat(GXA_MSG_VALUE); break;
    case kSliderValue: hsv.z = msg.GetFloat(GXA_MSG_VALUE); break;
    default: return std::nullopt;
  }
  return hsv;
}

Result<bool> ColorInterfaceHSV::Command(std::int32_t id, const BaseContainer& msg, ChooserView& chooser)
{
  const std::optional<Vector> hsv = EditedHsv(id, msg, chooser);
  if (!hsv)
    return false;
  // Keeping the edited triple lets a hue typed on a grey survive.
  chooser.SetHSV(*hsv);
  chooser.SetRebuildPending(false);
  chooser.SetLiveChange(msg.GetInt32(GXA_MSG_DRAG) != 0);
  return true;
}
