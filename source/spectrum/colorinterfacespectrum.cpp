#include "spectrum/colorinterfacespectrum.h"

#include "colormodes/panellayout.h"
#include "utils/chooserview.h"
#include "utils/colorconversions.h"

namespace
{
constexpr std::int32_t kRowFlags = 57;
constexpr std::int32_t kSquareGroupFlags = 8;
constexpr std::int32_t kSquareFlags = 9;
constexpr std::int32_t kSquareAttach = 0x40000003;
constexpr std::int32_t kSliderGroupFlags = 15;
constexpr std::int32_t kSliderFlags = 15;
constexpr std::int32_t kSliderAttach = 3;
constexpr std::int32_t kSliderSpace = 6;
}  // namespace

ColorInterfaceSpectrum::ColorInterfaceSpectrum(ChooserView& chooser)
    : _square(chooser, ColorSpectrumArea::Sizing::Fixed)
{}

Result<void> ColorInterfaceSpectrum::CreateLayout(ChooserView& chooser)
{
  PanelLayout layout(chooser);
  layout.Separator();
  chooser.GroupBegin(0, kRowFlags, 0, 1);
  chooser.GroupBegin(kSquareGroup, kSquareGroupFlags, 0, 1);
  layout.UserArea(kSquare, kSquareFlags, _square, kSquareAttach);
  chooser.GroupEnd();
  chooser.GroupBegin(0, kSliderGroupFlags, 0, 1);
  chooser.GroupBorderSpace(0, kSliderSpace, 0, kSliderSpace);
  layout.UserArea(kHueSlider, kSliderFlags, _square.GetHueSlider(), kSliderAttach);
  chooser.GroupEnd();
  chooser.GroupEnd();
  return layout.Finish();
}

void ColorInterfaceSpectrum::Update(ChooserView& chooser)
{
  Refresh(chooser);
}

void ColorInterfaceSpectrum::Refresh(ChooserView& chooser)
{
  if (_refreshed)
    _square.Redraw();
  _refreshed = true;
  _square.GetHueSlider().SetPosition(chooser.GetHSV().x);
}

void ColorInterfaceSpectrum::SetHuePosition(double hue)
{
  _square.GetHueSlider().SetPosition(hue);
}

bool ColorInterfaceSpectrum::ReadSize()
{
  if (!_square.SetSize(ColorSpectrumArea::SizeFromPreference()))
    return false;
  _square.LayoutChanged();
  return true;
}

bool ColorInterfaceSpectrum::HasSizeChanged() const
{
  return ColorSpectrumArea::SizeFromPreference() != _square.GetSize();
}

Result<bool> ColorInterfaceSpectrum::Command(std::int32_t id, const BaseContainer& msg, ChooserView& chooser)
{
  if (id == kHueSlider)
  {
    Vector hsv = chooser.GetHSV();
    hsv.x = msg.GetFloat(GXA_MSG_VALUE);
    chooser.SetHSV(hsv);
    chooser.SetRebuildPending(false);
    chooser.SetLiveChange(msg.GetInt32(GXA_MSG_DRAG) != 0);
  }
  return true;
}
