#include "utils/buttonsettings.h"

namespace
{
std::int32_t IconIdOf(const BaseContainer& settings, std::int32_t id)
{
  return settings.Contains(id) ? settings.GetInt32(id, ButtonSettings::kNoIcon) : ButtonSettings::kNoIcon;
}
}  // namespace

ButtonSettings ButtonSettings::Read(const BaseContainer& settings)
{
  ButtonSettings s;
  s.trackPress = settings.GetBool(kTrackPress);
  s.radio = settings.GetBool(kRadio);
  s.toggle = !s.radio && settings.GetBool(kToggle);
  s.checkable = settings.GetBool(kCheckable) || settings.GetBool(kToggle) || s.radio;
  s.state = s.checkable && settings.GetBool(kState);
  s.radioGroup = settings.GetInt32(kRadioGroup, -1);
  s.passive = settings.GetBool(kPassive);
  s.keepState = settings.GetBool(kKeepState);
  s.tooltip = settings.GetString(kTooltip);
  s.icon = IconIdOf(settings, kIcon);
  s.iconOffLight = IconIdOf(settings, kIconOffLight);
  s.iconOffDark = IconIdOf(settings, kIconOffDark);
  s.maxSize = settings.GetInt32(kMaxSize, 0);
  return s;
}
