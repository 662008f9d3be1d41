#include "chooserpanels.h"

#include <new>

#include "alpha/colorinterfacealpha.h"
#include "chooserids.h"
#include "colormodes/colorinterfacehex.h"
#include "colormodes/colorinterfacehsv.h"
#include "colormodes/colorinterfacergb.h"
#include "colorwheel/colorinterfacecolorwheel.h"
#include "geuserarea.h"
#include "kelvin/colorinterfacekelvin.h"
#include "mixer/colorinterfacemixer.h"
#include "picture/colorinterfacepicture.h"
#include "spectrum/colorinterfacespectrum.h"
#include "swatches/colorinterfaceswatchsystem.h"
#include "utils/colorfieldarea.h"
#include "utils/colorinterface.h"
#include "utils/colorinterfacecompact.h"
#include "utils/colorinterfacemodebuttons.h"
#include "utils/colorsliderareablend.h"
#include "utils/specialbitmapbutton.h"

namespace
{
using Panel = ColorChooserGui::Panel;

template <typename T, typename... Args>
Result<std::unique_ptr<ColorInterface>> Make(Args&&... args)
{
  std::unique_ptr<ColorInterface> panel(new (std::nothrow) T(std::forward<Args>(args)...));
  if (!panel)
    return OutOfMemoryError();
  return panel;
}

constexpr double kBrightnessStep = 0.01;
}  // namespace

Result<std::unique_ptr<ColorInterface>> ChooserPanels::Create(Panel panel, ColorChooserGui& chooser)
{
  switch (panel)
  {
    case Panel::ModeButtons: return Make<ColorInterfaceModeButtons>(chooser);
    case Panel::Compact:
      return Make<ColorInterfaceCompact>(chooser, [](ColorChooserGui& owner) { return owner.LayoutCompactSliders(); });
    case Panel::Wheel: return Make<ColorInterfaceColorWheel>(chooser);
    case Panel::Spectrum: return Make<ColorInterfaceSpectrum>(chooser);
    case Panel::Picture: return Make<ColorInterfacePicture>(chooser);
    case Panel::Rgb: return Make<ColorInterfaceRGB>(chooser.GetColorUnit());
    case Panel::Hsv: return Make<ColorInterfaceHSV>();
    case Panel::Kelvin: return Make<ColorInterfaceKelvin>();
    case Panel::Mixer: return Make<ColorInterfaceMixer>();
    case Panel::Alpha: return Make<ColorInterfaceAlpha>();
    case Panel::Hex: return Make<ColorInterfaceHex>();
    case Panel::Swatches: return Make<ColorInterfaceSwatchSystem>(chooser);
    default:
      // Every mode has its panel.
      return std::unique_ptr<ColorInterface>();
  }
}

void ChooserPanels::WriteDefaults(BaseContainer& state)
{
  // Kelvin keeps nothing until its first edit (temperature and tint read 0).
  ColorInterfaceMixer::WriteDefaults(state);
  ColorInterfacePicture::WriteDefaults(state);
  ColorWheelArea::WriteDefaults(state);
}

Result<std::unique_ptr<GeUserArea>> ChooserPanels::CreateColorField(ColorChooserGui& chooser, std::int32_t width,
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

void ChooserPanels::UpdateBrightnessSlider(GeUserArea* area, const ColorChooserGui& chooser)
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

void ChooserPanels::FollowColor(ColorInterface* mixer, ColorChooserGui& chooser)
{
  if (mixer)
    static_cast<ColorInterfaceMixer*>(mixer)->Follow(chooser);
}
