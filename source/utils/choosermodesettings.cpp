#include "utils/choosermodesettings.h"

#include <array>

#include "basecontainer.h"
#include "chooserids.h"

using namespace chooser;

namespace
{
struct ModeFlag
{
  std::int32_t mode;
  std::int32_t flag;
};

// Modes that their own enabling flag switches on.
constexpr std::array<ModeFlag, 6> kEnablingFlags = {{{kModeCompact, kFlagEnableCompact},
                                                     {kModeRgb, kFlagEnableRgb},
                                                     {kModeHsv, kFlagEnableHsv},
                                                     {kModeKelvin, kFlagEnableKelvin},
                                                     {kModeMixer, kFlagEnableMixer},
                                                     {kModeSwatches, kFlagEnableSwatches}}};

constexpr std::array<ModeFlag, 10> kHidingFlags = {{{kModeCompact, kFlagNoCompact},
                                                    {kModeWheel, kFlagNoColorWheel},
                                                    {kModeSpectrum, kFlagNoSpectrum},
                                                    {kModePicture, kFlagNoPicture},
                                                    {kModeRgb, kFlagNoRgb},
                                                    {kModeHsv, kFlagNoHsv},
                                                    {kModeKelvin, kFlagNoKelvin},
                                                    {kModeMixer, kFlagNoMixer},
                                                    {kModeSwatches, kFlagNoSwatches},
                                                    {kModeHex, kFlagHideHex}}};

struct ModePreference
{
  std::int32_t mode;
  std::int32_t preference;
};

constexpr std::array<ModePreference, 7> kPreferences = {{{kModeCompact, kPrefCompact},
                                                         {kModeRgb, kPrefRgb},
                                                         {kModeHsv, kPrefHsv},
                                                         {kModeKelvin, kPrefKelvin},
                                                         {kModeMixer, kPrefMixer},
                                                         {kModeSwatches, kPrefSwatches},
                                                         {kModeHex, kPrefHex}}};
}  // namespace

bool ChooserModeSettings::FlagsChooseModes(std::int32_t flags)
{
  return (flags & kFlagsChoosingModes) != 0;
}

void ChooserModeSettings::FromFlags(std::int32_t flags, BaseContainer& state)
{
  // Wheel, spectrum and picture exclude each other; the first one named wins.
  const bool wheel = (flags & kFlagEnableColorWheel) != 0;
  const bool spectrum = !wheel && (flags & kFlagEnableSpectrum) != 0;
  const bool picture = !wheel && !spectrum && (flags & kFlagEnablePicture) != 0;
  state.SetBool(kModeWheel, wheel);
  state.SetBool(kModeSpectrum, spectrum);
  state.SetBool(kModePicture, picture);
  for (const ModeFlag& entry : kEnablingFlags)
    state.SetBool(entry.mode, (flags & entry.flag) != 0);
  state.SetBool(kModeHex, (flags & kFlagHideHex) == 0);
}

void ChooserModeSettings::FromPreferences(const BaseContainer& prefs, bool alphaEnabled, BaseContainer& state)
{
  if (!prefs.IsValid())
    return;
  const std::int32_t start = prefs.GetInt32(kPrefStartMode, 0);
  bool any = start >= 1 && start <= 3;
  state.SetBool(kModeWheel, start == 1);
  state.SetBool(kModeSpectrum, start == 2);
  state.SetBool(kModePicture, start == 3);
  for (const ModePreference& entry : kPreferences)
  {
    const bool on = prefs.GetBool(entry.preference, false);
    state.SetBool(entry.mode, on);
    any = any || on;
  }
  if (alphaEnabled)
  {
    const bool on = prefs.GetBool(kPrefAlpha, false);
    state.SetBool(kModeAlpha, on);
    any = any || on;
  }
  if (!any)
    state.SetBool(kModeHsv, true);
}

void ChooserModeSettings::ApplyHidingFlags(std::int32_t flags, BaseContainer& state)
{
  for (const ModeFlag& entry : kHidingFlags)
    if ((flags & entry.flag) != 0)
      state.SetBool(entry.mode, false);
}

bool ChooserModeSettings::ExpandedAllowedForFlags(std::int32_t flags)
{
  if ((flags & kFlagNoColor) != 0)
    return false;
  if ((flags & kFlagNoModeButtons) == 0)
    return true;
  // Without mode buttons, a chooser that hides every mode, or that hides RGB
  // while no flag enables another mode, has nothing to expand into.
  const bool allHidden = (flags & kFlagsAllHidden) == kFlagsAllHidden;
  const bool onlyRgbHidden = (flags & 0xFB8200) == 0x200;
  return !allHidden && !onlyRgbHidden;
}
