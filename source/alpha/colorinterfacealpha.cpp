#include "alpha/colorinterfacealpha.h"

#include "colormodes/panellayout.h"
#include "utils/chooserview.h"

namespace
{
constexpr std::int32_t kLabel = 20102;
// Host attach flag of the alpha slider.
constexpr std::int32_t kSliderAttachFlags = 4;
}  // namespace

Result<void> ColorInterfaceAlpha::CreateLayout(ChooserView& chooser)
{
  PanelLayout layout(chooser);
  layout.Separator()
      .Group(PanelLayout::kRowFlags, 3, 0, 4, 1)
      .Label(kLabel, ChooserView::GetLabelWidth())
      .NumberField(kField)
      .UserArea(kSlider, PanelLayout::kSliderFlags, _slider, kSliderAttachFlags)
      .End();
  return layout.Finish();
}

void ColorInterfaceAlpha::Update(ChooserView& chooser)
{
  const double alpha = chooser.GetAlpha();
  _slider.SetChooserSpace(chooser.IsLinearActive());
  chooser.SetFloat(kField, alpha, 0.0, 1.0, 0.01, GXA_UNIT_PERCENT, 0.0, 1.0, chooser.IsAmbiguous());
  _slider.SetPositionAndColor(alpha, chooser.GetColor());
}

Result<bool> ColorInterfaceAlpha::Command(std::int32_t id, const BaseContainer& msg, ChooserView& chooser)
{
  switch (id)
  {
    case kField:
    {
      double alpha = chooser.GetAlpha();
      chooser.GetFloat(kField, alpha);
      chooser.SetAlpha(alpha);
      return true;
    }
    case kSlider: chooser.SetAlpha(msg.GetFloat(GXA_MSG_VALUE)); return true;
    default: return false;
  }
}
