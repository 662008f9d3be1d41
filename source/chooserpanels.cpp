#include "chooserpanels.h"

#include <new>

#include "chooserids.h"
#include "colorwheel/colorinterfacecolorwheel.h"
#include "geuserarea.h"
#include "mixer/colorinterfacemixer.h"
#include "picture/colorinterfacepicture.h"
#include "spectrum/colorinterfacespectrum.h"
#include "swatches/colorinterfaceswatchsystem.h"
#include "utils/chooserview.h"
#include "utils/colorfieldarea.h"
#include "utils/colorinterface.h"
#include "utils/colorinterfacemodebuttons.h"
#include "utils/colorsliderareablend.h"
#include "utils/perceptualtools.h"
#include "utils/specialbitmapbutton.h"

namespace
{
constexpr double kBrightnessStep = 0.01;
}  // namespace

void ChooserPanels::WriteDefaults(BaseContainer& state)
{
  // Kelvin keeps nothing until its first edit (temperature and tint read 0).
  ColorInterfaceMixer::WriteDefaults(state);
  ColorInterfacePicture::WriteDefaults(state);
  ColorWheelArea::WriteDefaults(state);
}

Result<std::unique_ptr<GeUserArea>> ChooserPanels::CreateColorField(ChooserView& chooser, std::int32_t width,
                                                                    std::int32_t height)
{
  std::unique_ptr<ColorFieldArea> field(new (std::nothrow) ColorFieldArea(chooser));
  if (!field)
    return OutOfMemoryError();
  field->SetSize(width, height);
  return std::unique_ptr<GeUserArea>(std::move(field));
}

Result<std::unique_ptr<GeUserArea>> ChooserPanels::CreateBrightnessSlider()
{
  std::unique_ptr<ColorSliderAreaBlend> slider(new (std::nothrow) ColorSliderAreaBlend());
  if (!slider)
    return OutOfMemoryError();
  // Messages carry the brightness itself.
  slider->SetNormalizedMessages(false);
  return std::unique_ptr<GeUserArea>(std::move(slider));
}

Result<std::unique_ptr<GeUserArea>> ChooserPanels::CreatePickerButton(const BaseContainer& settings)
{
  std::unique_ptr<SpecialBitmapButton> button(new (std::nothrow) SpecialBitmapButton());
  if (!button)
    return OutOfMemoryError();
  ASSIGN_OR_RETURN(const bool made, button->Init(chooser::kGadgetPicker, settings));
  if (!made)
    return std::unique_ptr<GeUserArea>();
  return std::unique_ptr<GeUserArea>(std::move(button));
}

void ChooserPanels::SetPickerButtonState(GeUserArea* button, bool on)
{
  if (button)
    static_cast<SpecialBitmapButton*>(button)->SetState(on, true);
}

void ChooserPanels::UpdateBrightnessSlider(GeUserArea* area, const ChooserView& chooser)
{
  auto* slider = static_cast<ColorSliderAreaBlend*>(area);
  if (!slider)
    return;
  const bool linear = chooser.IsLinearActive();
  slider->SetRange(0.0, chooser.GetBrightnessMax(), kBrightnessStep);
  slider->SetUnitValue(chooser.GetBrightness());
  slider->SetEndColors(slider->GetPosition(), Vector(), linear, chooser.GetColor(), linear);
}

void ChooserPanels::TellPickingEnded(ColorInterface* modeButtons)
{
  if (modeButtons)
    static_cast<ColorInterfaceModeButtons*>(modeButtons)->PickingEnded();
}

void ChooserPanels::FollowSpectrumSize(ColorInterface* spectrum)
{
  auto* panel = static_cast<ColorInterfaceSpectrum*>(spectrum);
  if (panel && panel->HasSizeChanged())
    panel->ReadSize();
}

Result<void> ChooserPanels::ReloadWheel(ColorInterface* wheel)
{
  auto* panel = static_cast<ColorInterfaceColorWheel*>(wheel);
  if (!panel)
    return Ok();
  // The size first: loading the options takes it without a new layout.
  panel->FollowSize();
  RETURN_IF_ERROR(panel->LoadOptions());
  panel->Redraw();
  return Ok();
}

bool ChooserPanels::WheelTakesInput(ColorInterface* wheel, const BaseContainer& msg)
{
  auto* panel = static_cast<ColorInterfaceColorWheel*>(wheel);
  return panel && panel->GetArea().TakeInput(msg);
}

bool ChooserPanels::WheelCursor(ColorInterface* wheel, const BaseContainer& msg, BaseContainer& result)
{
  auto* panel = static_cast<ColorInterfaceColorWheel*>(wheel);
  return panel && panel->GetArea().TakeCursorInfo(msg, result);
}

void ChooserPanels::RefreshWheelStrip(ColorInterface* wheel)
{
  if (auto* panel = static_cast<ColorInterfaceColorWheel*>(wheel))
    panel->GetArea().RefreshStrip();
}

void ChooserPanels::RedrawWheel(ColorInterface* wheel)
{
  if (auto* panel = static_cast<ColorInterfaceColorWheel*>(wheel))
    panel->Redraw();
}

bool ChooserPanels::MixerReadoutStale(ColorInterface* mixer)
{
  auto* panel = static_cast<ColorInterfaceMixer*>(mixer);
  return panel && panel->HasReadout() != PerceptualTools::IsOn();
}

void ChooserPanels::RefreshPictureStrip(ColorInterface* picture)
{
  if (auto* panel = static_cast<ColorInterfacePicture*>(picture))
    panel->RefreshStrip();
}

void ChooserPanels::PictureScrolled(ColorInterface* picture)
{
  if (auto* panel = static_cast<ColorInterfacePicture*>(picture))
    panel->Scrolled();
}

Result<void> ChooserPanels::ConvertWheelColors(ColorInterface* wheel, BaseContainer& state, std::int32_t code)
{
  StoreWheelOptions(wheel);
  RETURN_IF_ERROR(ColorWheelArea::ConvertStoredColors(state, code));
  auto* panel = static_cast<ColorInterfaceColorWheel*>(wheel);
  return panel ? panel->LoadOptions() : Ok();
}

void ChooserPanels::StoreWheelOptions(ColorInterface* wheel)
{
  if (wheel)
    static_cast<ColorInterfaceColorWheel*>(wheel)->StoreOptions();
}

void ChooserPanels::FollowColor(ColorInterface* mixer, ChooserView& chooser)
{
  if (mixer)
    static_cast<ColorInterfaceMixer*>(mixer)->Follow(chooser);
}
