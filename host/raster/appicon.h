#pragma once
// The program's icon on the desktop: the wheel of the mode buttons on a dark
// plate. One description gives the pixels at any size and the scalable SVG,
// so the installed icons always agree.
#include <string>

#include "raster/bitmap.h"

namespace host {

class AppIcon {
 public:
  // side x side pixels with alpha.
  static Bitmap Pixels(int side);
  static std::string Svg();

  // The design grid's side.
  static constexpr double kGrid = 48;
};

}  // namespace host
