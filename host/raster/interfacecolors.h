#pragma once

#include <map>
#include <vector>

#include "raster/rastertypes.h"

namespace host {

// The host's interface colours by ID, for the two themes. The theme comes
// from world preference 1134: 0 light, 1 dark (the default), 2 a darker dark.
class InterfaceColors {
 public:
  enum class Theme { Dark = 0, Light = 1 };

  // Colour IDs. 0, 1, 1000, 1003, 1004, 1007, 1157 and 1159 are the numbers
  // modules use; the rest serve the host's own widgets.
  enum Id : int {
    kFrameDark = 0,          // inner selection frame, handle box outline
    kFrameLight = 1,         // outer handle line, contrast to kFrameDark
    kBackground = 1000,      // dialog and gadget background
    kEditBackground = 1001,  // edit and number fields
    kButton = 1002,          // button face
    kText = 1003,
    kGroupFill = 1004,  // a quiet cell or group area
    kBorderLight = 1005,
    kBorderDark = 1006,
    kOutline = 1007,    // outlines of inactive shapes
    kHighlight = 1008,  // selected menu entry, focus
    kHighlightText = 1009,
    kButtonPressed = 1010,
    kMenuBackground = 1011,
    kTooltipBackground = 1012,
    kTooltipText = 1013,
    kSelectionFrame = 1157,  // outer frame of a selected swatch
    kTextDisabled = 1159,
    kCheckerLight = 1160,  // checkerboard behind transparent colours
    kCheckerDark = 1161,
  };

  explicit InterfaceColors(Theme theme = Theme::Dark) : theme_(theme) {}
  // Maps the value of world preference 1134.
  static Theme ThemeFromPreference(int value) { return value == 0 ? Theme::Light : Theme::Dark; }

  Theme GetTheme() const { return theme_; }
  void SetTheme(Theme theme) { theme_ = theme; }

  // Answers false, leaving out alone, for an unknown ID.
  bool Get(int id, Rgba& out) const;
  // The colour, or fallback for an unknown ID.
  Rgba GetOr(int id, Rgba fallback) const;
  std::vector<int> Ids() const;

  // Dark means luma below 115 on 0..255 components; integer weights keep
  // exactly 115 on the light side.
  static bool IsDark(Rgba background) {
    return 2126 * background.r + 7152 * background.g + 722 * background.b < 115 * 10000;
  }

 private:
  static const std::map<int, Rgba>& Table(Theme theme);

  Theme theme_;
};

}  // namespace host
