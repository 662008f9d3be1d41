#pragma once
// Small value types shared by the dialog toolkit.
#include <cstdint>
#include <string>

#include "raster/rastertypes.h"

namespace host {

struct Size {
  int w = 0, h = 0;
  constexpr bool operator==(const Size&) const = default;
};

// The text measure that size hints count in tenths: the interface font's
// average character width and its line height, in logical pixels.
struct TextMeasure {
  double charWidth = 7.0;
  double lineHeight = 14.0;
};

// Where the cursor should look and what the tooltip says over a gadget.
struct CursorInfo {
  int32_t cursor = 1;  // GXA_CURSOR_ARROW
  std::string tooltip;
};

}  // namespace host
