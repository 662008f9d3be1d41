#include "colorwheel/colorwheeltoolbar.h"

#include <string>

#include "moduleresource.h"
#include "utils/buttonsettings.h"

namespace
{
constexpr std::int32_t kRowFlags = GXA_ALIGN_H_SCALEFIT | GXA_ALIGN_TOP;
constexpr std::int32_t kButtonFlags = GXA_ALIGN_LEFT | GXA_ALIGN_V_CENTER;
constexpr std::int32_t kTextFlags = GXA_ALIGN_H_SCALEFIT | GXA_ALIGN_V_CENTER;
constexpr std::int32_t kButtonGap = 6;
// A wider gap parts the harmonies, the lock and the actions.
constexpr std::int32_t kSectionGap = 14;
constexpr std::int32_t kStringAdd = 20043;
constexpr std::int32_t kStringDeleteLast = 20044;
constexpr std::int32_t kStringDeleteSelected = 20045;
constexpr std::int32_t kStringReduce = 20046;
constexpr std::int32_t kIconAdd = 1033505;
constexpr std::int32_t kIconDelete = 1033506;
constexpr std::int32_t kIconReduce = 1034124;
}  // namespace

BaseContainer ColorWheelToolbar::Settings(std::int32_t icon, std::int32_t iconOff, std::int32_t tooltip, bool checkable,
                                          bool state)
{
  BaseContainer settings;
  settings.SetInt32(ButtonSettings::kIcon, icon);
  if (iconOff != ButtonSettings::kNoIcon)
  {
    settings.SetInt32(ButtonSettings::kIconOffLight, iconOff);
    settings.SetInt32(ButtonSettings::kIconOffDark, iconOff);
  }
  settings.SetString(ButtonSettings::kTooltip, ModuleResource::LoadString(tooltip));
  settings.SetBool(ButtonSettings::kCheckable, checkable);
  settings.SetBool(ButtonSettings::kToggle, checkable);
  // The wheel decides the harmony and lock states, not the click.
  settings.SetBool(ButtonSettings::kKeepState, checkable);
  settings.SetBool(ButtonSettings::kState, state);
  settings.SetBool(ButtonSettings::kTrackPress, true);
  return settings;
}

Result<void> ColorWheelToolbar::InitButton(SpecialBitmapButton& button, std::int32_t id, const BaseContainer& settings)
{
  ASSIGN_OR_RETURN(const bool made, button.Init(id, settings));
  if (!made)
    return UnexpectedError("The wheel button " + std::to_string(id) + " has no icon.");
  return Ok();
}

Result<void> ColorWheelToolbar::Init(ColorWheelHarmonies& harmonies, std::int32_t harmony, bool lock)
{
  if (_ready)
    return Ok();
  for (std::size_t i = 0; i < _harmonies.size(); ++i)
  {
    const std::int32_t id = ColorWheelHarmonies::kToolbarOrder[i];
    const ColorWheelHarmony::Button& look = harmonies.Get(id).GetButton();
    RETURN_IF_ERROR(
        InitButton(_harmonies[i], id, Settings(look.icon, look.iconOff, look.tooltip, true, id == harmony)));
  }
  const ColorWheelHarmony::Button& lockLook = harmonies.Lock().GetButton();
  RETURN_IF_ERROR(InitButton(_lock, ColorWheelHarmony::kLock,
                             Settings(lockLook.icon, lockLook.iconOff, lockLook.tooltip, true, lock)));
  const bool selectedColors = harmony == ColorWheelHarmony::kFree || harmony == ColorWheelHarmony::kMono;
  RETURN_IF_ERROR(InitButton(_actions[0], kAdd, Settings(kIconAdd, ButtonSettings::kNoIcon, kStringAdd, false, false)));
  RETURN_IF_ERROR(InitButton(_actions[1], kDelete,
                             Settings(kIconDelete, ButtonSettings::kNoIcon,
                                      selectedColors ? kStringDeleteSelected : kStringDeleteLast, false, false)));
  RETURN_IF_ERROR(
      InitButton(_actions[2], kReduce, Settings(kIconReduce, ButtonSettings::kNoIcon, kStringReduce, false, false)));
  _ready = true;
  return Ok();
}

Result<void> ColorWheelToolbar::Layout(GeDialog& dialog)
{
  const auto add = [&dialog](SpecialBitmapButton& button) {
    return dialog.AddUserArea(button.GetButtonId(), kButtonFlags) &&
           dialog.AttachUserArea(button, button.GetButtonId());
  };
  bool ok = dialog.GroupBegin(kGroup, kRowFlags, 0, 1) && dialog.GroupSpace(kSectionGap, 0);
  ok = ok && dialog.GroupBegin(0, kButtonFlags, 0, 1) && dialog.GroupSpace(kButtonGap, 0);
  for (SpecialBitmapButton& button : _harmonies)
    ok = ok && add(button);
  ok = ok && dialog.GroupEnd() && add(_lock);
  ok = ok && dialog.GroupBegin(0, kButtonFlags, 0, 1) && dialog.GroupSpace(kButtonGap, 0);
  for (SpecialBitmapButton& button : _actions)
    ok = ok && add(button);
  ok = ok && dialog.GroupEnd();
  ok = ok && dialog.AddStaticText(kCountText, kTextFlags, 0, 0, String("1"), 0);
  ok = ok && dialog.GroupEnd();
  if (!ok)
    return UnexpectedError("The wheel's toolbar could not be laid out.");
  return Ok();
}

void ColorWheelToolbar::ShowHarmony(std::int32_t harmony)
{
  for (std::size_t i = 0; i < _harmonies.size(); ++i)
  {
    _harmonies[i].SetState(ColorWheelHarmonies::kToolbarOrder[i] == harmony, true);
  }
  ShowDeleteText(harmony == ColorWheelHarmony::kFree || harmony == ColorWheelHarmony::kMono);
}

void ColorWheelToolbar::ShowLock(bool on)
{
  _lock.SetState(on, true);
}

void ColorWheelToolbar::ShowDeleteText(bool selectedColors)
{
  _actions[1].SetTooltip(ModuleResource::LoadString(selectedColors ? kStringDeleteSelected : kStringDeleteLast));
}

void ColorWheelToolbar::ShowCount(GeDialog& dialog, std::size_t count)
{
  dialog.SetString(kCountText, String(std::to_string(count)));
}
