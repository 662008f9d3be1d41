#pragma once
// The colour-vision submenu that the swatches, the colour strips and the
// wheel add at the end of their context menus while the perceptual colour
// tools are on: normal vision, the three deficiencies, and their severity.
#include <cstdint>

#include "basecontainer.h"

class ColorVisionMenu
{
public:
  static constexpr std::int32_t kFirstId = 900100;
  static constexpr std::int32_t kLastId = 900199;

  // Adds a separator and the submenu when the tools are on.
  static void Append(BaseContainer& menu, const BaseContainer& state);
  // True when id is one of the submenu's; the choice is then in state.
  static bool Choose(std::int32_t id, BaseContainer& state);
};
