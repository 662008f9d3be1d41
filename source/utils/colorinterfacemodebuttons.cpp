#include "utils/colorinterfacemodebuttons.h"

#include <new>

#include "basecontainer.h"
#include "chooserids.h"
#include "moduleresource.h"
#include "utils/buttonsettings.h"
#include "utils/chooserview.h"
#include "utils/colormodebuttonsarea.h"
#include "utils/perceptualtools.h"

using namespace chooser;

namespace
{
constexpr std::int32_t kAreaFlags = GXA_ALIGN_H_SCALEFIT | GXA_ALIGN_TOP;
constexpr std::int32_t kGap = 6;
constexpr std::int32_t kGroupGap = ColorButtonsArea::kGroupGap;
constexpr std::int32_t kRadioGroup = 0;
constexpr std::int32_t kWheelGroupFlags = kFlagNoColorWheel | kFlagNoSpectrum | kFlagNoPicture;

enum class Kind
{
  Checkable,
  Radio,
  Toggle,
  // Checkable, and explicitly no toggle.
  Switch
};

// Beyond its hiding flag, a button is shown...
enum class Shown
{
  Always,
  NotCompact,
  // ...not compact, and not with all of wheel, spectrum and picture hidden.
  WheelGroup,
  WithAlpha,
  InLinearContext,
  // ...not compact, and only with the perceptual colour tools preference on.
  Perceptual
};

struct ButtonSpec
{
  std::int32_t id;
  Shown shown;
  std::int32_t hidingFlag;
  Kind kind;
  std::int32_t icon, iconOffDark, iconOffLight;
  std::int32_t tooltip;
  std::int32_t gap;
  std::int32_t compactGap;
};

// In the order of the row.
constexpr ButtonSpec kButtons[] = {
    {kModeCompact, Shown::Always, kFlagNoCompact, Kind::Checkable, 1035588, 1035590, 1035589, 20003, kGroupGap,
     kGroupGap},
    {kModeWheel, Shown::WheelGroup, kFlagNoColorWheel, Kind::Radio, 1033878, 1033992, 1033489, 20004, kGap, kGap},
    {kModeSpectrum, Shown::WheelGroup, kFlagNoSpectrum, Kind::Radio, 1033879, 1033993, 1033490, 20005, kGap, kGap},
    {kModePicture, Shown::WheelGroup, kFlagNoPicture, Kind::Radio, 1033880, 1033994, 1033491, 20006, kGroupGap,
     kGroupGap},
    {kModeRgb, Shown::NotCompact, kFlagNoRgb, Kind::Toggle, 1033881, 1033995, 1033492, 20007, kGap, kGap},
    {kModeHsv, Shown::NotCompact, kFlagNoHsv, Kind::Toggle, 1033882, 1033996, 1033493, 20008, kGap, kGap},
    {kModeOklch, Shown::Perceptual, 0, Kind::Toggle, 1040840, 1040842, 1040841, 20130, kGap, kGap},
    {kModeKelvin, Shown::NotCompact, kFlagNoKelvin, Kind::Toggle, 1033884, 1033997, 1033494, 20009, kGap, kGap},
    {kModeMixer, Shown::NotCompact, kFlagNoMixer, Kind::Toggle, 1033883, 1033998, 1033495, 20010, kGap, kGap},
    {kModeAlpha, Shown::WithAlpha, 0, Kind::Toggle, 1040584, 1040586, 1040585, 20101, kGap, kGap},
    {kModeHex, Shown::NotCompact, 0, Kind::Toggle, 1040587, 1040589, 1040588, 20103, kGap, kGap},
    {kModeSwatches, Shown::Always, kFlagNoSwatches, Kind::Toggle, 1033885, 1033999, 1033496, 20011, kGroupGap, kGap},
    {kModeLinearDisplay, Shown::InLinearContext, 0, Kind::Switch, 1040830, 1040831, 1040832, 20108, kGroupGap, kGap},
    {kGadgetPicker, Shown::Always, kFlagNoScreenPicker, Kind::Switch, 1033886, 1034000, 1033497, 20012, 0, 0},
};

bool IsShown(const ButtonSpec& spec, const ChooserView& chooser)
{
  const std::int32_t flags = chooser.GetChooserFlags();
  if (flags & spec.hidingFlag)
    return false;
  switch (spec.shown)
  {
    case Shown::Always: return true;
    case Shown::NotCompact: return !chooser.IsCompact();
    case Shown::WheelGroup: return !chooser.IsCompact() && (flags & kWheelGroupFlags) != kWheelGroupFlags;
    case Shown::WithAlpha: return chooser.HasAlpha();
    case Shown::InLinearContext: return chooser.IsLinearContext();
    case Shown::Perceptual: return !chooser.IsCompact() && PerceptualTools::IsOn();
  }
  return false;
}

BaseContainer SettingsFor(const ButtonSpec& spec, const ChooserView& chooser)
{
  BaseContainer settings;
  const bool picker = spec.id == kGadgetPicker;
  settings.SetBool(ButtonSettings::kState, picker || chooser.GetState().GetBool(spec.id));
  settings.SetBool(ButtonSettings::kCheckable, true);
  settings.SetBool(ButtonSettings::kPassive, true);
  switch (spec.kind)
  {
    case Kind::Checkable: break;
    case Kind::Radio:
      settings.SetBool(ButtonSettings::kRadio, true);
      settings.SetInt32(ButtonSettings::kRadioGroup, kRadioGroup);
      break;
    case Kind::Toggle:
      settings.SetBool(ButtonSettings::kRadio, false);
      settings.SetBool(ButtonSettings::kToggle, true);
      break;
    case Kind::Switch: settings.SetBool(ButtonSettings::kToggle, false); break;
  }
  settings.SetString(ButtonSettings::kTooltip, ModuleResource::LoadString(spec.tooltip));
  settings.SetInt32(ButtonSettings::kIcon, spec.icon);
  settings.SetInt32(ButtonSettings::kIconOffDark, spec.iconOffDark);
  settings.SetInt32(ButtonSettings::kIconOffLight, spec.iconOffLight);
  return settings;
}

bool IsRowHidden(std::int32_t flags)
{
  return (flags & (kFlagNoColor | kFlagNoModeButtons)) != 0 || (flags & kFlagsAllHidden) == kFlagsAllHidden;
}
}  // namespace

ColorInterfaceModeButtons::ColorInterfaceModeButtons(ChooserView& chooser)
    : _area(new (std::nothrow) ColorModeButtonsArea(chooser))
{}

ColorInterfaceModeButtons::~ColorInterfaceModeButtons() = default;

void ColorInterfaceModeButtons::Update(ChooserView&) {}

Result<void> ColorInterfaceModeButtons::CreateLayout(ChooserView& chooser)
{
  if (IsRowHidden(chooser.GetChooserFlags()))
    return Ok();
  if (!_area)
    return OutOfMemoryError("mode buttons");
  _area->FlushButtons();
  RETURN_IF_ERROR(AddButtons(chooser));
  chooser.AddUserArea(kGadgetId, kAreaFlags);
  chooser.AttachUserArea(*_area, kGadgetId);
  return Ok();
}

Result<void> ColorInterfaceModeButtons::AddButtons(ChooserView& chooser)
{
  const bool compact = chooser.IsCompact();
  bool perceptual = false;
  for (const ButtonSpec& spec : kButtons)
  {
    if (!IsShown(spec, chooser))
      continue;
    perceptual = perceptual || spec.shown == Shown::Perceptual;
    // A button whose icons are missing is left out.
    RETURN_IF_ERROR(_area->AddButton(spec.id, SettingsFor(spec, chooser), compact ? spec.compactGap : spec.gap));
  }
  // The optional OKLCh button narrows the gaps rather than push the stated
  // buttons behind the overflow button.
  _area->SetSqueezable(perceptual);
  return Ok();
}

Result<bool> ColorInterfaceModeButtons::Command(std::int32_t, const BaseContainer&, ChooserView&)
{
  return false;
}

void ColorInterfaceModeButtons::PickingEnded()
{
  if (_area)
    _area->SetButtonState(kGadgetPicker, true, true);
}
