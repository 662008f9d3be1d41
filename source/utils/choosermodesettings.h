#pragma once
// Which modes a new chooser shows: from the description flags when any of
// them names modes, else from the world preferences; hiding flags win over
// both.
#include <cstdint>

class BaseContainer;

class ChooserModeSettings
{
public:
  // True when the flags, not the preferences, choose the modes ("HIDEHEX"
  // alone counts).
  static bool FlagsChooseModes(std::int32_t flags);
  static void FromFlags(std::int32_t flags, BaseContainer& state);
  // Writes nothing when prefs is not a valid container. HSV comes on when
  // every mode would be off.
  static void FromPreferences(const BaseContainer& prefs, bool alphaEnabled, BaseContainer& state);
  static void ApplyHidingFlags(std::int32_t flags, BaseContainer& state);
  // The mode buttons and panels may be shown for context kind 2.
  static bool ExpandedAllowedForFlags(std::int32_t flags);
};
